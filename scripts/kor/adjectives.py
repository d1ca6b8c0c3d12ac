"""Orders the candidate Korean adjectives by frequency and writes data/kor_adjectives.tsv.

The candidates (below) are descriptive verbs chosen by hand; a lemma that is also
a common action verb (싸다 "wrap", 차다 "kick", 쓰다 "write", 적다 "write down",
늦다, 낫다 "heal", 바르다 "apply", 고르다 "choose", 이르다 "reach", 누르다
"press", 달다 "hang", 짜다 "weave") is left out, so that it keeps the verb form.
What the engine tells by rule is not listed: ㅂ-irregular stems (by their row
in data/kor.tsv, the row of a word that ends them, or the endings -롭다, -럽다,
-답다, -갑다, -겁다, -겹다, -렵다, -껍다, -깝다, -섭다, -엽다) other than the verbs 돕다, 눕다, 줍다, 굽다, 깁다,
여쭙다, every ㅎ-irregular stem, every 러-irregular one but 이르다 "arrive"
(푸르다, 노르다), X같다 (똑같다) and the suffixes -찮다, -잖다, -쩍다, -궂다
(귀찮다, 점잖다, 멋쩍다, 짓궂다). The 하다 adjectives are
listed apart (HA_ADJECTIVES): their shape does not tell them from 하다 verbs.
Each is ranked by the position of its stem in wordfreq's Korean list, which
holds morphemes (좋, 크, 어렵; the noun of a 하다 adjective: 행복, 조용); a
lemma whose stem is not among its 30,000 most frequent words goes after those
that are, in the order given. Words of both classes in hunspell-ko whose use is
the adjective's (USE_ADJECTIVES), verbs it files as adjectives (DICTIONARY_VERBS)
and verbs it lacks that end in a listed adjective (VERBS_AFTER_ADJECTIVE) were
judged with the evidence of scripts/kor/use_evidence.py.
Usage: python scripts/kor/adjectives.py --before SNAPSHOT   (writes the file; SNAPSHOT holds the tables before,
       {"kor:WORD": {"adnominal_present": ...}}, whose reading a word of both classes keeps unless listed)
"""
import collections
import json
import pathlib
import sys

from wordfreq import top_n_list

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import dictionary_classes  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]

# lemma, adnominal present
CANDIDATES = """
좋다 좋은|많다 많은|크다 큰|작다 작은|같다 같은|다르다 다른|어렵다 어려운|쉽다 쉬운|높다 높은|낮다 낮은
길다 긴|짧다 짧은|넓다 넓은|좁다 좁은|멀다 먼|가깝다 가까운|빠르다 빠른|느리다 느린|무겁다 무거운|가볍다 가벼운
덥다 더운|춥다 추운|따뜻하다 따뜻한|시원하다 시원한|차갑다 차가운|뜨겁다 뜨거운|예쁘다 예쁜|귀엽다 귀여운
착하다 착한|나쁘다 나쁜|싫다 싫은|기쁘다 기쁜|슬프다 슬픈|아프다 아픈|바쁘다 바쁜|배고프다 배고픈
행복하다 행복한|중요하다 중요한|필요하다 필요한|가능하다 가능한|불가능하다 불가능한|비슷하다 비슷한
깨끗하다 깨끗한|더럽다 더러운|조용하다 조용한|시끄럽다 시끄러운|편하다 편한|불편하다 불편한|건강하다 건강한
괜찮다 괜찮은|비싸다 비싼|맵다 매운|시다 신|어둡다 어두운|밝다 밝은|젊다 젊은|어리다 어린|똑똑하다 똑똑한
친절하다 친절한|강하다 강한|약하다 약한|두껍다 두꺼운|얇다 얇은|굵다 굵은|가늘다 가는|깊다 깊은|얕다 얕은
둥글다 둥근|부드럽다 부드러운|딱딱하다 딱딱한|단단하다 단단한|심하다 심한|이상하다 이상한|특별하다 특별한
유명하다 유명한|위험하다 위험한|안전하다 안전한|확실하다 확실한|분명하다 분명한|다양하다 다양한|충분하다 충분한
부족하다 부족한|정확하다 정확한|간단하다 간단한|복잡하다 복잡한|편안하다 편안한|피곤하다 피곤한|고맙다 고마운
미안하다 미안한|반갑다 반가운|즐겁다 즐거운|외롭다 외로운|무섭다 무서운|두렵다 두려운|부럽다 부러운|그립다 그리운
아깝다 아까운|귀찮다 귀찮은|궁금하다 궁금한|심심하다 심심한|답답하다 답답한|맑다 맑은|흐리다 흐린
파랗다 파란|빨갛다 빨간|노랗다 노란|하얗다 하얀|까맣다 까만|그렇다 그런|이렇다 이런|저렇다 저런|어떻다 어떤
아니다 아닌|훌륭하다 훌륭한|조그맣다 조그만|커다랗다 커다란|옳다 옳은|올바르다 올바른
목마르다 목마른|배부르다 배부른|게으르다 게으른|서투르다 서투른|가파르다 가파른|재빠르다 재빠른|남다르다 남다른|색다르다 색다른
별다르다 별다른|푸르다 푸른|새빨갛다 새빨간|새하얗다 새하얀|새파랗다 새파란|새까맣다 새까만|동그랗다 동그란
아쉽다 아쉬운|어지럽다 어지러운|가렵다 가려운|서럽다 서러운|안타깝다 안타까운|놀랍다 놀라운|싱겁다 싱거운
역겹다 역겨운|우습다 우스운|사납다 사나운|무덥다 무더운|너그럽다 너그러운|흥겹다 흥겨운|힘겹다 힘겨운
지겹다 지겨운|정겹다 정겨운|징그럽다 징그러운|가엽다 가여운|얄밉다 얄미운|보드랍다 보드라운|달갑다 달가운
밉다 미운|곱다 고운|부끄럽다 부끄러운|간지럽다 간지러운|메스껍다 메스꺼운|뜨뜻하다 뜨뜻한|새롭다 새로운
착실하다 착실한|솔직하다 솔직한|성실하다 성실한|진지하다 진지한|순수하다 순수한|완벽하다 완벽한|독특하다 독특한
적당하다 적당한|엄청나다 엄청난|대단하다 대단한|놀랍다 놀라운|급하다 급한|흔하다 흔한|드물다 드문|낯설다 낯선
익숙하다 익숙한|친하다 친한|가난하다 가난한|부유하다 부유한|풍부하다 풍부한|지루하다 지루한|신기하다 신기한
쓸쓸하다 쓸쓸한|고요하다 고요한|평범하다 평범한|화려하다 화려한|소중하다 소중한|귀하다 귀한|똑같다 똑같은
비슷비슷하다 비슷비슷한|튼튼하다 튼튼한|날씬하다 날씬한|뚱뚱하다 뚱뚱한|무디다 무딘|날카롭다 날카로운
거칠다 거친|너르다 너른|메마르다 메마른|노엽다 노여운|미덥다 미더운|미끄럽다 미끄러운|촉촉하다 촉촉한|축축하다 축축한|건조하다 건조한|느긋하다 느긋한|부지런하다 부지런한
싶다 싶은|힘들다 힘든|오래다 오랜|검다 검은|멋지다 멋진|희다 흰|붉다 붉은|구리다 구린|뛰어나다 뛰어난|비리다 비린
저리다 저린|이쁘다 이쁜|짙다 짙은|낡다 낡은|잦다 잦은|아리다 아린|뒤늦다 뒤늦은|어리석다 어리석은|천하다 천한|쓰리다 쓰린
성기다 성긴|오지다 오진|각지다 각진|거세다 거센|하찮다 하찮은|겹다 겨운|격하다 격한|알맞다 알맞은|뻔하다 뻔한|연하다 연한
시리다 시린|후지다 후진|진하다 진한|걸맞다 걸맞은|과하다 과한|고프다 고픈|옅다 옅은|환하다 환한|묘하다 묘한|세차다 세찬
수줍다 수줍은|알차다 알찬|머지않다 머지않은|활기차다 활기찬|모지다 모진|밤늦다 밤늦은|벅차다 벅찬|맛나다 맛난|어질다 어진|여리다 여린
끈질기다 끈질긴|대차다 대찬|못지않다 못지않은|박하다 박한|모질다 모진|성하다 성한|헛되다 헛된|선하다 선한|유하다 유한|낯익다 낯익은
서툴다 서툰|엄하다 엄한|독하다 독한|비뚤다 비뚠|어설프다 어설픈|가엾다 가엾은|외지다 외진|악하다 악한|야하다 야한|앙증맞다 앙증맞은
모나다 모난|언짢다 언짢은|험하다 험한|더디다 더딘|장하다 장한|비좁다 비좁은|분하다 분한|순하다 순한|추하다 추한|능하다 능한
질기다 질긴|해맑다 해맑은|건방지다 건방진|두텁다 두터운|엷다 엷은|습하다 습한|짓궂다 짓궂은|수많다 수많은|기막히다 기막힌|고되다 고된
그르다 그른|떫다 떫은|값지다 값진|쌀쌀맞다 쌀쌀맞은|검붉다 검붉은|드높다 드높은|손쉽다 손쉬운|이러하다 이러한|그러하다 그러한|저러하다 저러한
어떠하다 어떠한|아무러하다 아무러한|가냘프다 가냘픈|기름지다 기름진|눈부시다 눈부신|재빠르다 재빠른|드세다 드센|굳세다 굳센|빼어나다 빼어난|듬직하다 듬직한|약다 약은|질다 진|설다 선|차지다 차진|어줍다 어줍은
푸르르다 푸르른|낫다 나은
""".replace("\n", "|")

# 하다 adjectives, whose adnominal is X한: their shape does not tell them from the 하다 verbs.
HA_ADJECTIVES = """
듯하다 부산하다 시장하다 주요하다 유일하다 우수하다 유사하다 다행하다 동일하다 당연하다 유리하다 강력하다 진실하다
불리하다 단순하다 특수하다 거대하다 불안하다 혼란하다 섹시하다 투명하다 상당하다 공정하다 영원하다 스마트하다 비상하다
긴급하다 무한하다 평등하다 신비하다 중대하다 곤란하다 고유하다 적합하다 특이하다 궁하다 단일하다 무사하다 불행하다 우울하다
리얼하다 철저하다 신속하다 불가하다 신성하다 유효하다 유용하다 침착하다 특유하다 로맨틱하다 무력하다 건전하다 정직하다
광범위하다 신중하다 잔인하다 부진하다 무례하다 부당하다 유해하다 우연하다 현명하다 코믹하다 오만하다 정밀하다 충실하다
불량하다 피로하다 유력하다 편리하다 선명하다 동등하다 무상하다 치열하다 과도하다 취약하다 대담하다 공평하다 비참하다 다정하다
밀접하다 전무하다 미세하다 창피하다 모던하다 과다하다 양호하다 불명하다 존엄하다 겸손하다 부실하다 유능하다 냉정하다 원활하다
가혹하다 고독하다 평온하다 빈곤하다 평안하다 강경하다 유한하다 사악하다 무능하다 잔혹하다 저조하다 유익하다 우월하다 막강하다
소란하다 음란하다 황홀하다 무식하다 미련하다 적정하다 친밀하다 급속하다 노후하다 무심하다 무안하다 허무하다 저명하다 초조하다
친숙하다 선량하다 얌전하다 용맹하다 나약하다 무모하다 장엄하다 전능하다 순결하다 태연하다 적법하다 충만하다 혼잡하다 요란하다
청정하다 비대하다 청결하다 온난하다 안락하다 위급하다 쇠약하다 청렴하다 문란하다 정숙하다 난폭하다 명랑하다 총명하다 저속하다
균일하다 남짓하다 고결하다 불운하다 원통하다 유망하다 화목하다 태평하다 처절하다 악랄하다 의아하다 천박하다 소홀하다 각별하다
균등하다 살벌하다 무해하다 미흡하다 은근하다 평탄하다 괴상하다 빈약하다 암울하다 영세하다 대등하다 불우하다 청순하다 교만하다
참담하다 비통하다 안일하다 저급하다 불순하다 허약하다 온유하다 통쾌하다 참혹하다 분주하다 불경하다 열등하다 결백하다 타이트하다
유식하다 유의미하다 촉박하다 흡족하다 방탕하다 알뜰하다 허망하다 태만하다 경솔하다 과민하다 천진하다 극명하다 나태하다 검소하다
급박하다 편협하다 과묵하다 근면하다 미비하다 비옥하다 적막하다 냉담하다 애석하다 자유분방하다 현란하다 혼미하다 허탈하다 궁핍하다
인색하다 화평하다 반투명하다 유일무이하다 긴박하다 지고하다 흉악하다 존귀하다 미개하다 천진난만하다 다재다능하다 희소하다 우량하다
명실상부하다 파란만장하다 허스키하다 넉넉하다 든든하다 뿌듯하다 섭섭하다 서운하다 억울하다 씩씩하다 어색하다 엉뚱하다 푸근하다
포근하다 싱싱하다 상쾌하다 쌀쌀하다 선선하다 조그마하다 자그마하다 희미하다 뚜렷하다 흐릿하다 빽빽하다 촘촘하다 캄캄하다 깜깜하다
컴컴하다 무던하다 미지근하다 간절하다 절실하다 극심하다 막막하다 멍하다 아늑하다 아득하다 까마득하다 흐뭇하다 훈훈하다 뻔뻔하다
얄팍하다 묵직하다 시큼하다 달콤하다 새콤하다 짭짤하다 날렵하다 허름하다 초라하다 가득하다 자욱하다 수북하다 무수하다 허다하다
막대하다 방대하다 거창하다 웅장하다 적절하다 마땅하다 시급하다 절박하다 긴밀하다 면밀하다 세밀하다 치밀하다 정교하다 소박하다
순박하다 수수하다 화사하다 산뜻하다 깔끔하다 말끔하다 단정하다 반듯하다 멀쩡하다 말짱하다 무난하다 원만하다 온화하다 유연하다
딱하다 불쌍하다 처량하다 갑갑하다 후련하다 홀가분하다 느슨하다 팽팽하다 탄탄하다 대견하다 기특하다 갸륵하다 한가하다 명확하다
확고하다 굳건하다 강인하다 연약하다 허술하다 엉성하다 어수선하다 난해하다 용이하다 수월하다 심각하다 막연하다 애매하다 모호하다
미묘하다 기묘하다 괴이하다 희귀하다 귀중하다 진귀하다 저렴하다 풍성하다 풍족하다 성급하다 조급하다 차분하다 잠잠하다 적적하다
허전하다 속상하다 괘씸하다 당당하다 떳떳하다 비겁하다 용감하다 소심하다 거만하다 영리하다 멍청하다 황당하다 굉장하다 어마어마하다
근사하다 그럴듯하다 그럴싸하다 나른하다 출출하다 뜨끈하다 서늘하다 따스하다 후덥지근하다 눅눅하다 어둑하다 또렷하다 생생하다
신선하다 지저분하다 불결하다 상이하다 상냥하다 불친절하다 무뚝뚝하다 퉁명하다 예민하다 민감하다 둔하다 뾰족하다 평평하다
납작하다 울퉁불퉁하다 매끈하다 말랑하다 물렁하다 탁하다 완만하다 빠듯하다 한적하다 간편하다 불확실하다 부정확하다 적절하다
부적절하다 불필요하다 사소하다 시시하다 죄송하다 민망하다 난처하다 엄격하다 꼼꼼하다 세심하다 통통하다 건장하다 왜소하다
정당하다 불공평하다 담백하다 느끼하다 텁텁하다 얼큰하다 매콤하다 쌉쌀하다 구수하다 향긋하다 비릿하다 싸늘하다 고단하다
무관하다 유치하다 훤하다 시끌벅적하다 아련하다 애틋하다 짠하다 찡하다 뭉클하다 찝찝하다 후하다 인자하다 자상하다
"""

# Words that hunspell-ko gives both classes and whose use is the adjective's: Kiwi reads the stem as an adjective
# and scores the -는 adnominal well below the -(으)ㄴ one (scripts/kor/use_evidence.py), and each was read
# (관대한, 치사한, 털털한, 합당한 "fitting", 수상한 "suspicious", 그만한 "that much"). The homonyms kept as
# verbs above (적다, 달다, 차다, 세다, 바르다, 굳다) and 무리하다 and 여물다, whose -는 is as much in use, stay verbs.
USE_ADJECTIVES = """
관대하다 치사하다 털털하다 합당하다 과대하다 조신하다 황폐하다 새침하다 희끗하다 희끗희끗하다 그렁그렁하다 이만하다
그만하다 동글다 부들부들하다 간질간질하다 화끈하다 볼록하다 수상하다 깔깔하다 소복하다 찐득찐득하다 떠들썩하다
너덜너덜하다 말똥말똥하다 요망하다 치렁치렁하다 반짝반짝하다 진정하다
"""

# Verbs that hunspell-ko marks only as adjectives: a noun before the verbs 나다, 띠다, 바래다 (실감나는, 열띠는,
# 빛바래는; their -(으)ㄴ forms 실감난, 열띤, 빛바랜 are the past of the verb).
DICTIONARY_VERBS = ("실감나다", "열띠다", "빛바래다")

# Verbs that hunspell-ko lacks and that end in a listed adjective: 눈멀다, 귀멀다 (멀다 "go blind, deaf"),
# 내다르다, 치다르다 ("dash out, rush up", like 다다르다). They get "verb" rows and do not make the adjective they end
# a row for itself alone ("="): the words built on 멀다 and 다르다 that no list holds are adjectives (멀디멀다,
# 유다르다, 판다르다), as are those of the dictionary (머나멀다, 남다르다, 막다르다).
VERBS_AFTER_ADJECTIVE = ("눈멀다", "귀멀다", "내다르다", "치다르다")

# What the engine tells without a row: ㅂ-irregular stems (by their row, the row of
# the word that ends them, or these endings) other than the few verbs, ㅎ-irregular
# stems (by their row or their shape), 러-irregular ones but 이르다 "arrive", X같다,
# X세다, and -찮다, -잖다, -쩍다, -궂다, -스름하다, -프다, -쁘다.
B_ENDINGS = ("롭", "럽", "답", "갑", "겁", "겹", "렵", "껍", "깝", "섭", "엽")
B_VERBS = ("돕", "눕", "줍", "굽", "깁", "쭙")
H_VERBS = ("넣", "닿", "쌓", "낳", "빻", "땋")
ADJECTIVE_ENDINGS = ("찮", "잖", "쩍", "궂", "스름하", "프", "쁘")
AFTER_ROOT = ("같", "세")


def irregular_classes():
    classes = {}
    for line in (ROOT / "data" / "kor.tsv").read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            cells = line.split("\t")
            classes[cells[0]] = cells[1]
    return classes


def jamo(syllable):
    i = ord(syllable) - 0xAC00
    return i // 588, (i % 588) // 28, i % 28


def h_shape(stem):
    """A final ㅎ after ㅏ, ㅑ, ㅓ, ㅕ in a stem of two syllables or more, not one of the verbs 넣다, 닿다, ..."""
    return len(stem) > 1 and jamo(stem[-1])[2] == 27 and jamo(stem[-1])[1] in (0, 2, 4, 6) and not stem.endswith(H_VERBS)


def adjective_by_rule(lemma, classes):
    stem = lemma[:-1]
    cls = next((classes[lemma[i:]] for i in range(len(lemma) - 1) if lemma[i:] in classes), None)
    if cls is None and len(stem) > 1 and stem.endswith(B_ENDINGS):
        cls = "b"
    if cls is None and h_shape(stem):
        cls = "h"
    return ((cls == "b" and not stem.endswith(B_VERBS)) or cls == "h" or (cls == "reo" and not stem.endswith("이르"))
            or (len(stem) > 1 and stem.endswith(AFTER_ROOT)) or stem.endswith(ADJECTIVE_ENDINGS))


def opens(lemma, mark):
    """Whether a row ends compounds: not when marked "=", nor a 되다 or a one-syllable-root 하다 adjective."""
    return mark != "=" and not lemma.endswith("되다") and not (lemma.endswith("하다") and len(lemma) <= 3)


def listed(lemma, rows):
    """The row of the word or of the longest word that ends it and ends compounds: (row lemma, adjective?)."""
    for i in range(len(lemma) - 1):
        suffix = lemma[i:]
        if suffix in rows and (i == 0 or opens(suffix, rows[suffix])):
            return suffix, rows[suffix] != "verb"
    return None, None


def is_adjective(lemma, rows, classes):
    row, adjective = listed(lemma, rows)
    return adjective if row else adjective_by_rule(lemma, classes)


def hand_rows(classes):
    """The hand-written candidates that the rules do not give, with the rank of their stems."""
    pairs = [p for p in CANDIDATES.split("|") if p.strip()] + [f"{w} {w[:-2]}한" for w in HA_ADJECTIVES.split()]
    rows = {}
    for pair in pairs:
        lemma = pair.split()[0]
        if lemma not in rows and not adjective_by_rule(lemma, classes):
            rows[lemma] = ""
    return rows


def dictionary_rows(rows, classes, before):
    """Adds the rows that make every adjective of hunspell-ko an adjective while its verbs keep -는.

    `before` maps each dictionary word to whether the engine before this list read it as an adjective: a word
    that the dictionary gives both classes keeps that reading (the commoner one, judged when the hand list was
    made). Rows are tried from the shortest word up, so that a compound follows a listed last part. A row whose
    compounds among the dictionary's words (the verbs read by hand apart) are as often verbs as adjectives
    is marked "=" (this word alone),
    and the adjectives among them get rows of their own; a verb that still ends in a listed adjective gets a
    "verb" row (다다르다 is no 다르다)."""
    words = dictionary_classes.classes()
    for w in VERBS_AFTER_ADJECTIVE:
        words.setdefault(w, {"verb"})
    wanted = {}
    for w, k in words.items():
        if k == {"adj"} or k == {"adj", "other"}:
            wanted[w] = True
        elif "exist" in k:
            wanted[w] = False
        elif k == {"verb"} or k == {"verb", "other"}:
            wanted[w] = False
        elif "verb" in k and "adj" in k:
            wanted[w] = before.get(w, False)
    for w in rows:  # the hand rows stand as judged
        wanted[w] = True
    for w in USE_ADJECTIVES.split():
        wanted[w] = True
    for w in DICTIONARY_VERBS:
        wanted[w] = False
    for _ in range(10):
        for w in sorted(wanted, key=lambda x: (len(x), x)):
            if wanted[w] and not is_adjective(w, rows, classes):
                rows[w] = ""
        wrong = collections.defaultdict(list)
        for w, want in wanted.items():
            if not want and is_adjective(w, rows, classes):
                wrong[listed(w, rows)[0]].append(w)
        if not wrong:
            break
        for row, verbs in wrong.items():
            compounds = [w for w in wanted if wanted[w] and w != row and listed(w, rows)[0] == row]
            # The verbs read by hand (VERBS_AFTER_ADJECTIVE) are exceptions, not evidence of what the words
            # built on the row are: they get "verb" rows and do not count here.
            voters = [v for v in verbs if v not in VERBS_AFTER_ADJECTIVE]
            if row in rows and voters and len(voters) >= len(compounds) and row != verbs[0]:
                rows[row] = "="
            else:
                for v in verbs:
                    rows[v] = "verb" if v not in rows or v == row else rows[v]
    return rows


def ranks():
    rank = {w: i for i, w in enumerate(top_n_list("ko", 30000))}

    def of(lemma):
        stem = lemma[:-2] if lemma.endswith("하다") else lemma[:-1]
        return rank.get(stem, 10**6)
    return of


def main():
    classes = irregular_classes()
    rows = hand_rows(classes)
    before = {}
    if "--before" in sys.argv:
        for k, t in json.load(open(sys.argv[sys.argv.index("--before") + 1], encoding="utf-8")).items():
            if k.startswith("kor:") and isinstance(t, dict):
                before[k[4:]] = not t["adnominal_present"].endswith("는")
    rows = dictionary_rows(rows, classes, before)
    rank = ranks()
    ordered = sorted(rows, key=lambda w: (rank(w), w))
    header = ["# Korean adjectives (descriptive verbs), one dictionary form per row, most frequent first.",
              "# Their adnominal present is -(으)ㄴ (좋은, 추운) instead of the verbs' -는. The",
              "# ㅂ-irregular stems (but 돕다, 눕다, 줍다, 굽다, 깁다, 여쭙다), the ㅎ-irregular ones, the",
              "# 러-irregular ones (but 이르다), X같다, X세다 and -찮다, -잖다, -쩍다, -궂다, -스름하다,",
              "# -프다, -쁘다 are adjectives by rule and not listed. A word that is not listed follows the longest listed",
              "# word that ends it (사이좋다 as 좋다), unless that word is a 되다 or a one-syllable-root 하다",
              "# adjective or is marked \"=\" (시다: 마시다 is a verb); \"verb\" marks a verb that would",
              "# otherwise follow a listed adjective (다다르다 is no 다르다).",
              "# Made by scripts/kor/adjectives.py.",
              "# lemma\tmark (= for this word alone, verb)"]
    lines = [w + ("\t" + rows[w] if rows[w] else "") for w in ordered]
    (ROOT / "data" / "kor_adjectives.tsv").write_text("\n".join(header + lines) + "\n", encoding="utf-8")
    marks = collections.Counter(rows.values())
    print(f"{len(rows)} rows: {marks['']} adjectives, {marks['=']} marked =, {marks['verb']} verbs")
    return rows


if __name__ == "__main__":
    main()
