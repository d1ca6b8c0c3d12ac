"""Orders the candidate Korean adjectives by frequency and writes data/kor_adjectives.tsv.

The candidates (below) are descriptive verbs chosen by hand; a lemma that is also
a common action verb (싸다 "wrap", 차다 "kick", 쓰다 "write", 적다 "write down",
늦다, 낫다 "heal", 바르다 "apply", 고르다 "choose", 이르다 "reach", 누르다
"press", 달다 "hang", 짜다 "weave") is left out, so that it keeps the verb form.
Those in -롭다, -스럽다 and -답다 are recognised by the engine and not listed.
Each is ranked by the position of its stem in wordfreq's Korean list, which
holds morphemes (좋, 크, 어렵; the noun of a 하다 adjective: 행복, 조용); a
lemma whose stem is not among its 30,000 most frequent words goes after those
that are, in the order given.
Usage: python scripts/kor/adjectives.py   (writes the file and prints the ranks)
"""
import pathlib

from wordfreq import top_n_list

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
""".replace("\n", "|")

LISTED_BY_RULE = ("롭다", "스럽다", "답다")


def main():
    rank = {w: i for i, w in enumerate(top_n_list("ko", 30000))}
    seen, rows = set(), []
    for order, pair in enumerate(p for p in CANDIDATES.split("|") if p.strip()):
        lemma, adnominal = pair.split()
        if lemma in seen or lemma.endswith(LISTED_BY_RULE):
            continue
        seen.add(lemma)
        stem = lemma[:-2] if lemma.endswith("하다") else lemma[:-1]
        rows.append((rank.get(stem, 10**6 + order), lemma, adnominal))
    rows.sort()
    header = ["# Korean adjectives (descriptive verbs), one dictionary form per row, most frequent first.",
              "# Their adnominal present is -(으)ㄴ (좋은, 추운) instead of the verbs' -는; those in",
              "# -롭다, -스럽다 and -답다 are recognised by their ending and not listed.",
              "# Made by scripts/kor/adjectives.py.",
              "# lemma"]
    (ROOT / "data" / "kor_adjectives.tsv").write_text("\n".join(header + [r[1] for r in rows]) + "\n",
                                                      encoding="utf-8")
    for r in rows:
        print(r[0] if r[0] < 10**6 else "-", r[1], r[2])
    return rows


if __name__ == "__main__":
    main()
