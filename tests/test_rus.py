"""Russian conjugation: analysis of the input, the suffix-matched lexicon,
the class rules, the table and the RussianConjugation class."""
import os
import subprocess

import pytest

import velnor
from conftest import build_cpp_tool, needs

pytestmark = needs("rus")

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "rus.tsv")
ATTRIBUTES = ["infinitive", "non_past", "past_singular", "past_plural", "imperative"]
DOC = "The finite conjugation of one Russian verb. Person rows are\n[я, ты, он/она/оно, мы, вы, они]."
GETTER_DOCS = {
    "infinitive": "",
    "non_past": "Present (imperfective) or simple future (perfective).",
    "past_singular": "[masc, fem, neut] singular past.",
    "past_plural": "",
    "imperative": "[2sg, 2pl].",
}


def conj(word):
    return velnor.conjugate(word, lang="rus")


def table(r):
    """The twelve forms: non-past row, past m f n pl, imperative sg pl."""
    return [*r.non_past, *r.past_singular, r.past_plural, *r.imperative]


def spell_out(non_past, past, imperative):
    """Expands the short notation of the tables below: the non-past as
    1sg 2sg 3pl (or all six), the past as masc fem (or all four), the
    imperative singular (or both)."""
    np = non_past.split()
    if len(np) == 3:
        sg1, sg2, pl3 = np
        stem, vowel = sg2[:-3], sg2[-3]
        np = [sg1, sg2, stem + vowel + "т", stem + vowel + "м", stem + vowel + "те", pl3]
    pa = past.split()
    if len(pa) == 2:
        pa = [pa[0], pa[1], pa[1][:-1] + "о", pa[1][:-1] + "и"]
    imp = imperative.split()
    if len(imp) == 1:
        imp = [imp[0], imp[0] + "те"]
    assert len(np) == 6 and len(pa) == 4 and len(imp) == 2
    return np + pa + imp


# Standard Russian forms of common verbs: infinitive | non-past | past | imperative.
COMMON = """
делать | делаю делаешь делают | делал делала | делай
читать | читаю читаешь читают | читал читала | читай
знать | знаю знаешь знают | знал знала | знай
думать | думаю думаешь думают | думал думала | думай
работать | работаю работаешь работают | работал работала | работай
играть | играю играешь играют | играл играла | играй
понимать | понимаю понимаешь понимают | понимал понимала | понимай
слушать | слушаю слушаешь слушают | слушал слушала | слушай
отвечать | отвечаю отвечаешь отвечают | отвечал отвечала | отвечай
гулять | гуляю гуляешь гуляют | гулял гуляла | гуляй
терять | теряю теряешь теряют | терял теряла | теряй
уметь | умею умеешь умеют | умел умела | умей
иметь | имею имеешь имеют | имел имела | имей
болеть | болею болеешь болеют | болел болела | болей
рисовать | рисую рисуешь рисуют | рисовал рисовала | рисуй
советовать | советую советуешь советуют | советовал советовала | советуй
танцевать | танцую танцуешь танцуют | танцевал танцевала | танцуй
воевать | воюю воюешь воюют | воевал воевала | воюй
ночевать | ночую ночуешь ночуют | ночевал ночевала | ночуй
горевать | горюю горюешь горюют | горевал горевала | горюй
рисковать | рискую рискуешь рискуют | рисковал рисковала | рискуй
ковать | кую куёшь куют | ковал ковала | куй
жевать | жую жуёшь жуют | жевал жевала | жуй
давать | даю даёшь дают | давал давала | давай
вставать | встаю встаёшь встают | вставал вставала | вставай
узнавать | узнаю узнаёшь узнают | узнавал узнавала | узнавай
одевать | одеваю одеваешь одевают | одевал одевала | одевай
успевать | успеваю успеваешь успевают | успевал успевала | успевай
крикнуть | крикну крикнешь крикнут | крикнул крикнула | крикни
вернуть | верну вернёшь вернут | вернул вернула | верни
отдохнуть | отдохну отдохнёшь отдохнут | отдохнул отдохнула | отдохни
привыкнуть | привыкну привыкнешь привыкнут | привык привыкла | привыкни
исчезнуть | исчезну исчезнешь исчезнут | исчез исчезла | исчезни
двинуть | двину двинешь двинут | двинул двинула | двинь
кинуть | кину кинешь кинут | кинул кинула | кинь
говорить | говорю говоришь говорят | говорил говорила | говори
любить | люблю любишь любят | любил любила | люби
ходить | хожу ходишь ходят | ходил ходила | ходи
просить | прошу просишь просят | просил просила | проси
платить | плачу платишь платят | платил платила | плати
простить | прощу простишь простят | простил простила | прости
ездить | езжу ездишь ездят | ездил ездила | езди
купить | куплю купишь купят | купил купила | купи
учить | учу учишь учат | учил учила | учи
решить | решу решишь решат | решил решила | реши
звонить | звоню звонишь звонят | звонил звонила | звони
помнить | помню помнишь помнят | помнил помнила | помни
кормить | кормлю кормишь кормят | кормил кормила | корми
тащить | тащу тащишь тащат | тащил тащила | тащи
рубить | рублю рубишь рубят | рубил рубила | руби
служить | служу служишь служат | служил служила | служи
сушить | сушу сушишь сушат | сушил сушила | суши
хвалить | хвалю хвалишь хвалят | хвалил хвалила | хвали
ловить | ловлю ловишь ловят | ловил ловила | лови
готовить | готовлю готовишь готовят | готовил готовила | готовь
ставить | ставлю ставишь ставят | ставил ставила | ставь
верить | верю веришь верят | верил верила | верь
бросить | брошу бросишь бросят | бросил бросила | брось
ответить | отвечу ответишь ответят | ответил ответила | ответь
встретить | встречу встретишь встретят | встретил встретила | встреть
познакомить | познакомлю познакомишь познакомят | познакомил познакомила | познакомь
добавить | добавлю добавишь добавят | добавил добавила | добавь
строить | строю строишь строят | строил строила | строй
стоить | стою стоишь стоят | стоил стоила | стой
обратить | обращу обратишь обратят | обратил обратила | обрати
посетить | посещу посетишь посетят | посетил посетила | посети
защитить | защищу защитишь защитят | защитил защитила | защити
смотреть | смотрю смотришь смотрят | смотрел смотрела | смотри
сидеть | сижу сидишь сидят | сидел сидела | сиди
лететь | лечу летишь летят | летел летела | лети
терпеть | терплю терпишь терпят | терпел терпела | терпи
висеть | вишу висишь висят | висел висела | виси
гореть | горю горишь горят | горел горела | гори
держать | держу держишь держат | держал держала | держи
кричать | кричу кричишь кричат | кричал кричала | кричи
молчать | молчу молчишь молчат | молчал молчала | молчи
лежать | лежу лежишь лежат | лежал лежала | лежи
спать | сплю спишь спят | спал спала | спи
стоять | стою стоишь стоят | стоял стояла | стой
писать | пишу пишешь пишут | писал писала | пиши
сказать | скажу скажешь скажут | сказал сказала | скажи
показать | покажу покажешь покажут | показал показала | покажи
плакать | плачу плачешь плачут | плакал плакала | плачь
искать | ищу ищешь ищут | искал искала | ищи
резать | режу режешь режут | резал резала | режь
прятать | прячу прячешь прячут | прятал прятала | прячь
брать | беру берёшь берут | брал брала | бери
собрать | соберу соберёшь соберут | собрал собрала | собери
выбрать | выберу выберешь выберут | выбрал выбрала | выбери
ждать | жду ждёшь ждут | ждал ждала | жди
звать | зову зовёшь зовут | звал звала | зови
послать | пошлю пошлёшь пошлют | послал послала | пошли
рвать | рву рвёшь рвут | рвал рвала | рви
врать | вру врёшь врут | врал врала | ври
пить | пью пьёшь пьют | пил пила | пей
выпить | выпью выпьешь выпьют | выпил выпила | выпей
бить | бью бьёшь бьют | бил била | бей
убить | убью убьёшь убьют | убил убила | убей
разбить | разобью разобьёшь разобьют | разбил разбила | разбей
лить | лью льёшь льют | лил лила | лей
шить | шью шьёшь шьют | шил шила | шей
жить | живу живёшь живут | жил жила | живи
мыть | мою моешь моют | мыл мыла | мой
открыть | открою откроешь откроют | открыл открыла | открой
петь | пою поёшь поют | пел пела | пой
плыть | плыву плывёшь плывут | плыл плыла | плыви
колоть | колю колешь колют | колол колола | коли
сеять | сею сеешь сеют | сеял сеяла | сей
дать | дам дашь даст дадим дадите дадут | дал дала | дай
создать | создам создашь создаст создадим создадите создадут | создал создала | создай
продать | продам продашь продаст продадим продадите продадут | продал продала | продай
есть | ем ешь ест едим едите едят | ел ела | ешь
хотеть | хочу хочешь хочет хотим хотите хотят | хотел хотела | хоти
бежать | бегу бежишь бежит бежим бежите бегут | бежал бежала | беги
помочь | помогу поможешь поможет поможем поможете помогут | помог помогла | помоги
идти | иду идёшь идут | шёл шла | иди
прийти | приду придёшь придут | пришёл пришла | приди
выйти | выйду выйдешь выйдут | вышел вышла | выйди
найти | найду найдёшь найдут | нашёл нашла | найди
ехать | еду едешь едут | ехал ехала | езжай
поехать | поеду поедешь поедут | поехал поехала | поезжай
нести | несу несёшь несут | нёс несла | неси
принести | принесу принесёшь принесут | принёс принесла | принеси
вести | веду ведёшь ведут | вёл вела | веди
везти | везу везёшь везут | вёз везла | вези
расти | расту растёшь растут | рос росла | расти
сесть | сяду сядешь сядут | сел села | сядь
лечь | лягу ляжешь ляжет ляжем ляжете лягут | лёг легла | ляг
стать | стану станешь станут | стал стала | стань
встать | встану встанешь встанут | встал встала | встань
устать | устану устанешь устанут | устал устала | устань
начать | начну начнёшь начнут | начал начала | начни
понять | пойму поймёшь поймут | понял поняла | пойми
взять | возьму возьмёшь возьмут | взял взяла | возьми
принять | приму примешь примут | принял приняла | прими
снять | сниму снимешь снимут | снял сняла | сними
надеть | надену наденешь наденут | надел надела | надень
печь | пеку печёшь печёт печём печёте пекут | пёк пекла | пеки
беречь | берегу бережёшь бережёт бережём бережёте берегут | берёг берегла | береги
жечь | жгу жжёшь жжёт жжём жжёте жгут | жёг жгла | жги
умереть | умру умрёшь умрут | умер умерла | умри
тереть | тру трёшь трут | тёр тёрла | три
быть | буду будешь будут | был была | будь
забыть | забуду забудешь забудут | забыл забыла | забудь
класть | кладу кладёшь кладут | клал клала | клади
упасть | упаду упадёшь упадут | упал упала | упади
достичь | достигну достигнешь достигнут | достиг достигла | достигни
"""

# Reflexive verbs, every slot written out.
REFLEXIVE = """
учиться | учусь учишься учится учимся учитесь учатся | учился училась училось учились | учись учитесь
мыться | моюсь моешься моется моемся моетесь моются | мылся мылась мылось мылись | мойся мойтесь
бояться | боюсь боишься боится боимся боитесь боятся | боялся боялась боялось боялись | бойся бойтесь
смеяться | смеюсь смеёшься смеётся смеёмся смеётесь смеются | смеялся смеялась смеялось смеялись | смейся смейтесь
заниматься | занимаюсь занимаешься занимается занимаемся занимаетесь занимаются | занимался занималась занималось занимались | занимайся занимайтесь
нравиться | нравлюсь нравишься нравится нравимся нравитесь нравятся | нравился нравилась нравилось нравились | нравься нравьтесь
надеяться | надеюсь надеешься надеется надеемся надеетесь надеются | надеялся надеялась надеялось надеялись | надейся надейтесь
бороться | борюсь борешься борется боремся боретесь борются | боролся боролась боролось боролись | борись боритесь
проснуться | проснусь проснёшься проснётся проснёмся проснётесь проснутся | проснулся проснулась проснулось проснулись | проснись проснитесь
одеваться | одеваюсь одеваешься одевается одеваемся одеваетесь одеваются | одевался одевалась одевалось одевались | одевайся одевайтесь
оставаться | остаюсь остаёшься остаётся остаёмся остаётесь остаются | оставался оставалась оставалось оставались | оставайся оставайтесь
садиться | сажусь садишься садится садимся садитесь садятся | садился садилась садилось садились | садись садитесь
заботиться | забочусь заботишься заботится заботимся заботитесь заботятся | заботился заботилась заботилось заботились | заботься заботьтесь
нестись | несусь несёшься несётся несёмся несётесь несутся | нёсся неслась неслось неслись | несись неситесь
"""


def parse(text):
    out = []
    for line in text.strip().splitlines():
        verb, np, past, imp = [part.strip() for part in line.split("|")]
        out.append((verb, spell_out(np, past, imp)))
    return out


def test_common_table_is_large():
    assert len(parse(COMMON)) + len(parse(REFLEXIVE)) >= 150


@pytest.mark.parametrize("verb,forms", parse(COMMON) + parse(REFLEXIVE))
def test_common_verbs_slot_by_slot(verb, forms):
    r = conj(verb)
    assert r.infinitive == verb
    assert table(r) == forms


@pytest.mark.parametrize("text,infinitive", [
    ("  Делать\t", "делать"),
    ("ЧИТАТЬ", "читать"),
    ("\u3000мыться\u00a0", "мыться"),
    ("ЁЖИТЬСЯ", "ёжиться"),
])
def test_input_is_trimmed_and_lower_cased(text, infinitive):
    assert conj(text).infinitive == infinitive


@pytest.mark.parametrize("text", [
    "", "   ", "\u2003", "дом", "делаю", "де лать", "делать\u00a0себя", "нести\nи",
    "ся", "сь", "ться", "тись",
    # A bare ending has no stem to conjugate.
    "ть", "ти", "чь", "ТЬ", " чь ",
    "read", "делатьx",
])
def test_not_an_infinitive(text):
    with pytest.raises(ValueError) as e:
        conj(text)
    assert str(e.value) == "not a Russian infinitive"


@pytest.mark.parametrize("verb,forms", [
    # -овать/-евать needs seven letters: пировать is -ую, but a six-letter
    # base is conjugated like делать (this one is a nonce word).
    ("бовать", ["боваю", "боваешь", "бовает", "боваем", "боваете", "бовают"]),
    ("пировать", ["пирую", "пируешь", "пирует", "пируем", "пируете", "пируют"]),
    # -ить needs five letters; a four-letter one is conjugated like делать.
    ("щить", ["щию", "щиешь", "щиет", "щием", "щиете", "щиют"]),
    # -нуть needs five letters.
    ("тянуть", ["тяну", "тянешь", "тянет", "тянем", "тянете", "тянут"]),
    # Class 2 first person: labials take л, ст → щ, зд → зж, husher → -у.
    ("лепить", ["леплю", "лепишь", "лепит", "лепим", "лепите", "лепят"]),
    ("графить", ["графлю", "графишь", "графит", "графим", "графите", "графят"]),
    ("чистить", ["чищу", "чистишь", "чистит", "чистим", "чистите", "чистят"]),
    ("пригвоздить", ["пригвозжу", "пригвоздишь", "пригвоздит", "пригвоздим", "пригвоздите", "пригвоздят"]),
    ("возить", ["вожу", "возишь", "возит", "возим", "возите", "возят"]),
    # Nonce stems for the other alternations.
    ("махить", ["машу", "махишь", "махит", "махим", "махите", "махят"]),
    ("пугить", ["пужу", "пугишь", "пугит", "пугим", "пугите", "пугят"]),
    ("мочить", ["мочу", "мочишь", "мочит", "мочим", "мочите", "мочат"]),
    ("поить", ["пою", "поишь", "поит", "поим", "поите", "поят"]),
    # -евать after a vowel keeps the ю.
    ("клеевать", ["клеюю", "клеюешь", "клеюет", "клеюем", "клеюете", "клеюют"]),
])
def test_class_rules(verb, forms):
    assert conj(verb).non_past == forms


@pytest.mark.parametrize("verb,imperative", [
    ("рисовать", ["рисуй", "рисуйте"]),
    ("крикнуть", ["крикни", "крикните"]),
    ("говорить", ["говори", "говорите"]),
    ("делать", ["делай", "делайте"]),
    ("учиться", ["учись", "учитесь"]),
    ("играться", ["играйся", "играйтесь"]),
])
def test_regular_imperative(verb, imperative):
    assert conj(verb).imperative == imperative


def test_prefix_matches_the_longest_lemma():
    # выдавать ends with давать (not exact): prefix вы-, and -авать keeps its ё.
    assert conj("выдавать").non_past[:3] == ["выдаю", "выдаёшь", "выдаёт"]
    # вы- takes the stress: ё becomes е.
    assert conj("выберечь").non_past[:3] == ["выберегу", "выбережешь", "выбережет"]
    assert conj("выберечь").past_singular == ["выберег", "выберегла", "выберегло"]
    assert conj("поберечь").non_past[1] == "побережёшь"
    assert conj("поберечь").past_singular[0] == "поберёг"
    # The longer lemma wins: привлечь ends with влечь and with лечь.
    assert conj("привлечь").non_past[0] == "привлеку"
    assert conj("прилечь").non_past[0] == "прилягу"
    # цвести ends with вести, but its own row is longer.
    assert conj("расцвести").past_singular == ["расцвёл", "расцвела", "расцвело"]


@pytest.mark.parametrize("verb,first", [
    # Exact-only lemmas do not reach verbs that merely end like them.
    ("любить", "люблю"), ("купить", "куплю"), ("делить", "делю"), ("ставить", "ставлю"),
    ("решить", "решу"), ("служить", "служу"), ("одолжить", "одолжу"), ("видеть", "вижу"),
    ("листать", "листаю"), ("блуждать", "блуждаю"), ("назначать", "назначаю"), ("тискать", "тискаю"),
    ("успеть", "успею"), ("хранить", "храню"), ("копить", "коплю"),
])
def test_exact_lemmas_stay_exact(verb, first):
    assert conj(verb).non_past[0] == first


def test_exact_lemma_falls_back_to_the_rules():
    # бить is exact-only and a nonce prefixed verb has no row of its own: the
    # rules conjugate it as a class-3 verb.
    assert conj("глубить").non_past[0] == "глублю"  # class 2 by its own ending
    r = conj("жжбить")
    assert r.non_past == ["жжблю", "жжбишь", "жжбит", "жжбим", "жжбите", "жжбят"]


@pytest.mark.parametrize("verb,forms", [
    ("нести", ["несу", "несёшь", "несёт", "несём", "несёте", "несут", "нёс", "несла", "несло", "несли",
               "неси", "несите"]),
    ("вынести", ["вынесу", "вынесешь", "вынесет", "вынесем", "вынесете", "вынесут", "вынес", "вынесла",
                 "вынесло", "вынесли", "вынеси", "вынесите"]),
    ("мыться", ["моюсь", "моешься", "моется", "моемся", "моетесь", "моются", "мылся", "мылась", "мылось",
                "мылись", "мойся", "мойтесь"]),
    ("отдаться", ["отдамся", "отдашься", "отдастся", "отдадимся", "отдадитесь", "отдадутся", "отдался",
                  "отдалась", "отдалось", "отдались", "отдайся", "отдайтесь"]),
])
def test_lexicon_forms_with_prefix_and_reflexive(verb, forms):
    assert table(conj(verb)) == forms


def test_class_shape():
    r = conj("делать")
    cls = type(r)
    assert cls.__name__ == "RussianConjugation"
    assert cls is velnor.RussianConjugation
    assert cls.__doc__ == DOC
    names = [k for k, v in vars(cls).items() if type(v).__name__ == "getset_descriptor"]
    assert names == ATTRIBUTES
    assert {n: (vars(cls)[n].__doc__ or "") for n in names} == GETTER_DOCS
    assert isinstance(r.infinitive, str) and isinstance(r.past_plural, str)
    assert [len(r.non_past), len(r.past_singular), len(r.imperative)] == [6, 3, 2]
    with pytest.raises(AttributeError):
        r.infinitive = "x"
    with pytest.raises(TypeError):
        cls()
    row = r.non_past
    row.append("x")
    assert len(r.non_past) == 6 and r.non_past is not r.non_past


@pytest.mark.parametrize("text,shown", [
    ("делать", 'RussianConjugation("делать")'),
    (" Учиться ", 'RussianConjugation("учиться")'),
])
def test_repr(text, shown):
    assert repr(conj(text)) == shown


def read_lexicon():
    with open(DATA, encoding="utf-8") as f:
        lines = f.read().split("\n")
    header = [line for line in lines[:5]]
    rows = [line for line in lines[5:] if line and not line.startswith("#")]
    return header, rows


def test_lexicon_header():
    header, _ = read_lexicon()
    assert all(line.startswith("#") for line in header)
    assert header[1] == "# fills gaps). Non-reflexive base lemmas; reflexives and prefixed"
    assert header[2] == "# derivatives match by suffix unless the base is exact (col 4)."
    assert header[4] == "# lemma\tnonpast(6)\tpast(4:masc,fem,neut,pl)\timp(2:sg,pl)\texact"


def test_quoted_rows():
    _, rows = read_lexicon()
    by_lemma = {row.split("\t")[0]: row.split("\t") for row in rows}
    assert by_lemma["брать"] == ["брать", "беру,берёшь,берёт,берём,берёте,берут", "-", "бери,берите", "1"]
    assert all(cell != "-" for cell in by_lemma["беречь"][1:4]) and by_lemma["беречь"][4] == "-"
    assert by_lemma["давать"][1] != "-" and by_lemma["давать"][2:] == ["-", "-", "-"]


def test_every_lexicon_row_conjugates():
    _, rows = read_lexicon()
    lemmas = set()
    sizes = {1: 6, 2: 4, 3: 2}
    for row in rows:
        cells = row.split("\t")
        assert len(cells) == 5, row
        lemma = cells[0]
        assert lemma not in lemmas, row
        lemmas.add(lemma)
        assert lemma.endswith(("ть", "ти", "чь")) and not lemma.endswith(("ться", "тись", "чься")), row
        assert cells[4] in ("1", "-"), row
        assert any(cells[i] != "-" for i in (1, 2, 3)), row
        r = conj(lemma)
        got = [r.non_past, [*r.past_singular, r.past_plural], r.imperative]
        for i, size in sizes.items():
            if cells[i] != "-":
                forms = cells[i].split(",")
                assert len(forms) == size and all(forms), row
                assert got[i - 1] == forms, row
    assert len(rows) >= 1000


def test_reflexive_of_every_row():
    # The reflexive ending follows the last letter of every lexicon form.
    _, rows = read_lexicon()
    for row in rows[::7]:
        lemma = row.split("\t")[0]
        plain, refl = conj(lemma), conj(lemma + "ся")
        for a, b in zip(table(plain), table(refl)):
            assert b == a + ("сь" if a[-1] in "аеёиоуыэюя" else "ся")


def test_long_input_finds_its_lemma():
    # A long prefix in front of a lexicon lemma, up to the input bound.
    assert conj("пере" * 62 + "делать").non_past[0] == "пере" * 62 + "делаю"
    assert conj("вы" * 123 + "нести").non_past[0] == "вы" * 123 + "несю"  # нести is exact-only
    assert conj("по" * 122 + "беречь").non_past[1] == "по" * 122 + "бережёшь"


# A lexicon of made-up rows for the matching rules: a lemma listed twice (first
# exact-only, then open), groups with the wrong number of forms, a missing
# exact cell, CRLF line ends, comments and blank lines.
TOY = (
    "# header\n"
    "# lemma\tnonpast\tpast\timp\texact\n"
    "\n"
    "кать\tа1,а2,а3,а4,а5,а6\t-\t-\t1\n"
    "кать\tб1,б2,б3,б4,б5,б6\t-\t-\t-\n"
    "мать\tв1,в2,в3,в4,в5\tм,ж,с,мн\tё,ёте\t-\r\n"
    "# comment\n"
    "умать\tг1,г2,г3,г4,г5,г6\n"
    "ёть\t-\tё,ё,ё,ё,ё\tёшь,ёшьте,x\t1\n"
)


@pytest.fixture(scope="module")
def toy(tmp_path_factory):
    out = tmp_path_factory.mktemp("rus_tool")
    data = out / "data"
    data.mkdir()
    (data / "rus.tsv").write_bytes(TOY.encode("utf-8"))
    exe = build_cpp_tool(out, "rus_check.cpp",
                         ["rus.cpp", "unicode.cpp", "unicode_tables.cpp", "utf8.cpp", "lexicon_text.cpp"],
                         [str(data / "rus.tsv")])

    def run(*words):
        p = subprocess.run([exe, *words], capture_output=True, check=True)
        return [line.split("\t") for line in p.stdout.decode("utf-8", "strict").splitlines()]

    return run


def test_matching_rules_on_a_toy_lexicon(toy):
    kat, vykat, mat, umat, naumat, yot, vyyot = toy("кать", "выкать", "мать", "умать", "наумать", "ёть", "выёть")
    # The whole base takes the first row of its lemma, exact-only or not.
    assert kat[:5] == ["", "3", "а1,а2,а3,а4,а5,а6", "~", "~"] and kat[5] == "а1"
    # A longer base may only take the open row of that lemma.
    assert vykat[:3] == ["вы", "3", "б1,б2,б3,б4,б5,б6"] and vykat[5] == "выб1"
    # Five non-past forms are no group; the rules fill it in. A CR is dropped.
    assert mat[:5] == ["", "3", "~", "м,ж,с,мн", "ё,ёте"]
    assert mat[5:] == ["маю", "маешь", "мает", "маем", "маете", "мают", "м", "ж", "с", "мн", "ё", "ёте"]
    # The longer lemma wins; a row without an exact cell is open.
    assert umat[:3] == ["", "3", "г1,г2,г3,г4,г5,г6"]
    assert naumat[:3] == ["на", "3", "г1,г2,г3,г4,г5,г6"]
    # Wrong counts leave every group absent; an exact-only lemma is no match
    # for a longer base, which falls back to the rules.
    assert yot[:5] == ["", "3", "~", "~", "~"]
    assert vyyot[:5] == ["", "3", "-", "-", "-"] and vyyot[5] == "выёю"
