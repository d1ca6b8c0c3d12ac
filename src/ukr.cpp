#include "ukr.hpp"

#include "lexicon_text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::ukr {
namespace {

std::optional<std::string_view> cell(std::string_view c) {
    if (c.empty() || c == "-") return std::nullopt;
    return c;
}

using utf8::ends_with;

constexpr std::string_view kReflexive = "ся";

bool is_labial(char32_t c) { return c == U'б' || c == U'в' || c == U'м' || c == U'п' || c == U'ф'; }

// Stems after which the 1sg takes "у" and the second-conjugation 3pl "ать".
bool ends_in_hushing(std::string_view s) {
    return ends_with(s, "дж") || ends_with(s, "ж") || ends_with(s, "ч") || ends_with(s, "ш") ||
           ends_with(s, "щ");
}

std::string cut(std::string_view s, std::size_t bytes) { return std::string(s.substr(0, s.size() - bytes)); }

// A lemma is written in Cyrillic letters, with the hyphen and the
// apostrophe.
bool lemma_char(char32_t c) {
    if (c == '-' || c == '\'') return true;
    if (c < 0x0400 || c > 0x052F) return false;
    const unicode::Category cat = unicode::category(c);
    return cat == unicode::Category::Ll || cat == unicode::Category::Lu || cat == unicode::Category::Lt ||
           cat == unicode::Category::Lm || cat == unicode::Category::Lo;
}

// The 1sg of the second conjugation: the stem with its consonant
// alternation, then "у" or "ю".
std::string second_first_singular(std::string_view stem) {
    std::string s;
    if (stem.size() >= 4 && ends_with(stem, "ст")) {
        s = cut(stem, 4) + "щ";
    } else if (stem.size() >= 4 && ends_with(stem, "зд")) {
        s = cut(stem, 4) + "ждж";
    } else {
        char32_t last = utf8::last(stem);
        s = std::string(stem);
        if (is_labial(last)) {
            s += "л";
        } else if (last == U'д' || last == U'з' || last == U'с' || last == U'т') {
            s = std::string(utf8::drop_last_chars(stem, 1));
            s += last == U'д' ? "дж" : last == U'з' ? "ж" : last == U'с' ? "ш" : "ч";
        }
    }
    s += ends_in_hushing(s) ? "у" : "ю";
    return s;
}

// Roots whose prefixed verbs the lexicon need not list: a verb made of known
// prefixes and one of these roots is conjugated like the root (при+з+вести:
// призведу, призвів; від+бути: відбуду; ді+стати: дістану). Longer roots
// come before the roots that end them.
constexpr Family kFamilies[] = {
    {"в'язати", {"в'яжу", "в'яжеш", "в'яже", "в'яжемо", "в'яжете", "в'яжуть", "в'яжи", "в'яжімо", "в'яжіть", "в'язав", "в'язала", "в'язало", "в'язали"}},
    {"стерегти", {"стережу", "стережеш", "стереже", "стережемо", "стережете", "стережуть", "стережи", "стережімо", "стережіть", "стеріг", "стерегла", "стерегло", "стерегли"}},
    {"берегти", {"бережу", "бережеш", "береже", "бережемо", "бережете", "бережуть", "бережи", "бережімо", "бережіть", "беріг", "берегла", "берегло", "берегли"}},
    {"стригти", {"стрижу", "стрижеш", "стриже", "стрижемо", "стрижете", "стрижуть", "стрижи", "стрижімо", "стрижіть", "стриг", "стригла", "стригло", "стригли"}},
    {"волокти", {"волочу", "волочеш", "волоче", "волочемо", "волочете", "волочуть", "волочи", "волочімо", "волочіть", "волік", "волокла", "волокло", "волокли"}},
    {"стояти", {"стою", "стоїш", "стоїть", "стоїмо", "стоїте", "стоять", "стій", "стіймо", "стійте", "стояв", "стояла", "стояло", "стояли"}},
    {"казати", {"кажу", "кажеш", "каже", "кажемо", "кажете", "кажуть", "кажи", "кажімо", "кажіть", "казав", "казала", "казало", "казали"}},
    {"писати", {"пишу", "пишеш", "пише", "пишемо", "пишете", "пишуть", "пиши", "пишімо", "пишіть", "писав", "писала", "писало", "писали"}},
    {"мазати", {"мажу", "мажеш", "маже", "мажемо", "мажете", "мажуть", "мажи", "мажімо", "мажіть", "мазав", "мазала", "мазало", "мазали"}},
    {"різати", {"ріжу", "ріжеш", "ріже", "ріжемо", "ріжете", "ріжуть", "ріж", "ріжмо", "ріжте", "різав", "різала", "різало", "різали"}},
    {"гризти", {"гризу", "гризеш", "гризе", "гриземо", "гризете", "гризуть", "гризи", "гризімо", "гризіть", "гриз", "гризла", "гризло", "гризли"}},
    {"гребти", {"гребу", "гребеш", "гребе", "гребемо", "гребете", "гребуть", "греби", "гребімо", "гребіть", "гріб", "гребла", "гребло", "гребли"}},
    {"скребти", {"скребу", "скребеш", "скребе", "скребемо", "скребете", "скребуть", "скреби", "скребімо", "скребіть", "скріб", "скребла", "скребло", "скребли"}},
    {"прясти", {"пряду", "прядеш", "пряде", "прядемо", "прядете", "прядуть", "пряди", "прядімо", "прядіть", "пряв", "пряла", "пряло", "пряли"}},
    {"п'ясти", {"пну", "пнеш", "пне", "пнемо", "пнете", "пнуть", "пни", "пнімо", "пніть", "п'яв", "п'яла", "п'яло", "п'яли"}},
    {"клясти", {"кляну", "клянеш", "кляне", "клянемо", "клянете", "клянуть", "кляни", "клянімо", "кляніть", "кляв", "кляла", "кляло", "кляли"}},
    {"плисти", {"пливу", "пливеш", "пливе", "пливемо", "пливете", "пливуть", "пливи", "пливімо", "пливіть", "плив", "плила", "плило", "плили"}},
    {"гнисти", {"гнию", "гниєш", "гниє", "гниємо", "гниєте", "гниють", "гний", "гниймо", "гнийте", "гнив", "гнила", "гнило", "гнили"}},
    {"густи", {"гуду", "гудеш", "гуде", "гудемо", "гудете", "гудуть", "гуди", "гудімо", "гудіть", "гув", "гула", "гуло", "гули"}},
    {"прягти", {"пряжу", "пряжеш", "пряже", "пряжемо", "пряжете", "пряжуть", "пряжи", "пряжімо", "пряжіть", "пріг", "прягла", "прягло", "прягли"}},
    {"ректи", {"речу", "речеш", "рече", "речемо", "речете", "речуть", "речи", "речімо", "речіть", "рік", "рекла", "рекло", "рекли"}},
    {"стріти", {"стріну", "стрінеш", "стріне", "стрінемо", "стрінете", "стрінуть", "стрінь", "стріньмо", "стріньте", "стрів", "стріла", "стріло", "стріли"}},
    {"ревіти", {"реву", "ревеш", "реве", "ревемо", "ревете", "ревуть", "реви", "ревімо", "ревіть", "ревів", "ревіла", "ревіло", "ревіли"}},
    {"повісти", {"повім", "повіси", "повість", "повімо", "повісте", "повідять", "повіж", "повіжмо", "повіжте", "повів", "повіла", "повіло", "повіли"}},
    {"їсти", {"їм", "їси", "їсть", "їмо", "їсте", "їдять", "їж", "їжмо", "їжте", "їв", "їла", "їло", "їли"}},
    {"брести", {"бреду", "бредеш", "бреде", "бредемо", "бредете", "бредуть", "бреди", "бредімо", "бредіть", "брів", "брела", "брело", "брели"}},
    {"плести", {"плету", "плетеш", "плете", "плетемо", "плетете", "плетуть", "плети", "плетімо", "плетіть", "плів", "плела", "плело", "плели"}},
    {"трясти", {"трясу", "трясеш", "трясе", "трясемо", "трясете", "трясуть", "тряси", "трясімо", "трясіть", "тряс", "трясла", "трясло", "трясли"}},
    {"класти", {"кладу", "кладеш", "кладе", "кладемо", "кладете", "кладуть", "клади", "кладімо", "кладіть", "клав", "клала", "клало", "клали"}},
    {"красти", {"краду", "крадеш", "краде", "крадемо", "крадете", "крадуть", "кради", "крадімо", "крадіть", "крав", "крала", "крало", "крали"}},
    {"цвісти", {"цвіту", "цвітеш", "цвіте", "цвітемо", "цвітете", "цвітуть", "цвіти", "цвітімо", "цвітіть", "цвів", "цвіла", "цвіло", "цвіли"}},
    {"повзти", {"повзу", "повзеш", "повзе", "повземо", "повзете", "повзуть", "повзи", "повзімо", "повзіть", "повз", "повзла", "повзло", "повзли"}},
    {"стигти", {"стигну", "стигнеш", "стигне", "стигнемо", "стигнете", "стигнуть", "стигни", "стигнімо", "стигніть", "стиг", "стигла", "стигло", "стигли"}},
    {"йняти", {"йму", "ймеш", "йме", "ймемо", "ймете", "ймуть", "йми", "ймімо", "йміть", "йняв", "йняла", "йняло", "йняли"}},
    {"вести", {"веду", "ведеш", "веде", "ведемо", "ведете", "ведуть", "веди", "ведімо", "ведіть", "вів", "вела", "вело", "вели"}},
    {"везти", {"везу", "везеш", "везе", "веземо", "везете", "везуть", "вези", "везімо", "везіть", "віз", "везла", "везло", "везли"}},
    {"нести", {"несу", "несеш", "несе", "несемо", "несете", "несуть", "неси", "несімо", "несіть", "ніс", "несла", "несло", "несли"}},
    {"мести", {"мету", "метеш", "мете", "метемо", "метете", "метуть", "мети", "метімо", "метіть", "мів", "мела", "мело", "мели"}},
    {"лізти", {"лізу", "лізеш", "лізе", "ліземо", "лізете", "лізуть", "лізь", "лізьмо", "лізьте", "ліз", "лізла", "лізло", "лізли"}},
    {"рости", {"росту", "ростеш", "росте", "ростемо", "ростете", "ростуть", "рости", "ростімо", "ростіть", "ріс", "росла", "росло", "росли"}},
    {"сісти", {"сяду", "сядеш", "сяде", "сядемо", "сядете", "сядуть", "сядь", "сядьмо", "сядьте", "сів", "сіла", "сіло", "сіли"}},
    {"лягти", {"ляжу", "ляжеш", "ляже", "ляжемо", "ляжете", "ляжуть", "ляж", "ляжмо", "ляжте", "ліг", "лягла", "лягло", "лягли"}},
    {"пекти", {"печу", "печеш", "пече", "печемо", "печете", "печуть", "печи", "печімо", "печіть", "пік", "пекла", "пекло", "пекли"}},
    {"текти", {"течу", "течеш", "тече", "течемо", "течете", "течуть", "течи", "течімо", "течіть", "тік", "текла", "текло", "текли"}},
    {"сікти", {"січу", "січеш", "січе", "січемо", "січете", "січуть", "січи", "січімо", "січіть", "сік", "сікла", "сікло", "сікли"}},
    {"могти", {"можу", "можеш", "може", "можемо", "можете", "можуть", "можи", "можімо", "можіть", "міг", "могла", "могло", "могли"}},
    {"бігти", {"біжу", "біжиш", "біжить", "біжимо", "біжите", "біжать", "біжи", "біжімо", "біжіть", "біг", "бігла", "бігло", "бігли"}},
    {"тягти", {"тягну", "тягнеш", "тягне", "тягнемо", "тягнете", "тягнуть", "тягни", "тягнімо", "тягніть", "тяг", "тягла", "тягло", "тягли"}},
    {"дягти", {"дягну", "дягнеш", "дягне", "дягнемо", "дягнете", "дягнуть", "дягни", "дягнімо", "дягніть", "дяг", "дягла", "дягло", "дягли"}},
    {"сягти", {"сягну", "сягнеш", "сягне", "сягнемо", "сягнете", "сягнуть", "сягни", "сягнімо", "сягніть", "сяг", "сягла", "сягло", "сягли"}},
    {"спати", {"сплю", "спиш", "спить", "спимо", "спите", "сплять", "спи", "спімо", "спіть", "спав", "спала", "спало", "спали"}},
    {"стати", {"стану", "станеш", "стане", "станемо", "станете", "стануть", "стань", "станьмо", "станьте", "став", "стала", "стало", "стали"}},
    {"бути", {"буду", "будеш", "буде", "будемо", "будете", "будуть", "будь", "будьмо", "будьте", "був", "була", "було", "були"}},
    {"дати", {"дам", "даси", "дасть", "дамо", "дасте", "дадуть", "дай", "даймо", "дайте", "дав", "дала", "дало", "дали"}},
    {"жити", {"живу", "живеш", "живе", "живемо", "живете", "живуть", "живи", "живімо", "живіть", "жив", "жила", "жило", "жили"}},
    {"йти", {"йду", "йдеш", "йде", "йдемо", "йдете", "йдуть", "йди", "йдімо", "йдіть", "йшов", "йшла", "йшло", "йшли"}},
};

// Verbal prefixes, alone or two stacked (при+з, по+з, не+до, с+при); a
// longer chain is taken for a stem (висна+жити is виснажити, not ви+с+на+жити).
constexpr std::string_view kPrefixes[] = {
    "в", "у", "ви", "від", "віді", "від'", "до", "за", "з", "зі", "з'", "с", "із", "на", "над", "наді",
    "не", "о", "об", "об'", "пере", "перед", "по", "під", "піді", "під'", "при", "про", "проти", "роз",
    "розі", "роз'", "без", "спів", "ді", "уві", "вві", "зо", "в'", "над'", "із'",
};

bool prefix_chain(std::string_view s, int most = 2) {
    if (s.empty()) return true;
    if (most == 0) return false;
    for (std::string_view p : kPrefixes)
        if (utf8::starts_with(s, p) && prefix_chain(s.substr(p.size()), most - 1)) return true;
    return false;
}

// The family of a base: the longest root that ends it after a chain of
// prefixes. об-/о-бути (обути: обую) is another verb than бути.
const Family* find_family(std::string_view base, std::string& prefix) {
    for (const Family& f : kFamilies) {
        if (!utf8::ends_with(base, f.root)) continue;
        std::string_view rest = base.substr(0, base.size() - f.root.size());
        if (!prefix_chain(rest)) continue;
        if (f.root == "бути" && (rest == "о" || utf8::ends_with(rest, "ео") || utf8::ends_with(rest, "оо"))) continue;
        prefix = std::string(rest);
        return &f;
    }
    return nullptr;
}

bool is_vowel(char32_t c) {
    switch (c) {
        case U'а': case U'е': case U'є': case U'и': case U'і': case U'ї':
        case U'о': case U'у': case U'ю': case U'я': return true;
        default: return false;
    }
}

// -іти verbs made from adjectives and nouns ("become ...") take the first
// conjugation, the і staying in the stem: бідніти, бідніє; слабіти,
// слабіє; зомліти, зомліє. They are told by the letters before -іти: a
// consonant and н (бідн-, вагітн-), ан/ян (скам'ян-), в (сив-, здешев-),
// a consonant and р or л (гр-, пр-, мл-, тл-) and ат, уб, аб (багат-,
// груб-, слаб-). Sound verbs of the same shape keep the second (бубнить).
bool inchoative(std::string_view base) {
    if (!ends_with(base, "іти")) return false;
    std::string_view stem = utf8::drop_last_chars(base, 3);
    constexpr std::string_view SOUNDS[] = {"бубн", "гугн", "дудн", "скимл", "зр", "здр"};
    if (utf8::ends_with_one_of(stem, SOUNDS)) return false;
    if (utf8::length(stem) < 2) return false;
    char32_t last = utf8::last(stem);
    char32_t before = utf8::last(utf8::drop_last_chars(stem, 1));
    bool consonant_before = !is_vowel(before) && before != U'\'' && before != U'ь' && before != U'й';
    if (last == U'н') return consonant_before || before == U'а' || before == U'я';
    if (last == U'в') return true;
    if (last == U'р' || last == U'л') return consonant_before;
    return ends_with(stem, "ат") || ends_with(stem, "уб") || ends_with(stem, "аб");
}

// The stem of the present and imperative of a verb with a consonant before
// -ти that no family covers: сохти and the other roots that take -н- there
// (сохну, мерзну, мокну); терти, перти, мерти without their е (тру, пру,
// мру); к and г alternating with ч and ж (товчу, зберіжу); else the stem
// itself (пасу, скубу, деру).
std::string consonant_present_stem(std::string_view stem) {
    constexpr std::string_view NU_ROOTS[] = {"мерз", "мерк", "мок",   "кляк", "мовк", "гиб",
                                             "груз", "стряг", "верг", "терп", "сліп", "х"};
    constexpr std::string_view ER_ROOTS[] = {"тер", "пер", "мер"};
    if (utf8::ends_with_one_of(stem, NU_ROOTS)) return std::string(stem) + "н";
    if (utf8::ends_with_one_of(stem, ER_ROOTS)) return cut(stem, 4) + "р";
    if (ends_with(stem, "к")) return cut(stem, 2) + "ч";
    if (ends_with(stem, "г")) return cut(stem, 2) + "ж";
    return std::string(stem);
}

// A form of the row that marks a missing form (могти has no imperative).
using lex::kNoForm;

}  // namespace

// A later row for the same lemma replaces the earlier one. A line without a
// tab gives every form absent.
std::optional<Row> find_row(std::string_view lemma) {
    auto line = data::table::ukr.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<kRowForms + 1>(*line);
    Row row;
    for (std::size_t i = 0; i < kRowForms; ++i) row.forms[i] = cell(c[i + 1]);
    return row;
}

constexpr std::string_view INFINITIVE_ENDINGS[] = {"ти", "ть", "тися", "ться", "тись"};
constexpr unicode::Spelling SPELLING{unicode::Script::Cyrillic, U"-'\u2019\u02bc", false, INFINITIVE_ENDINGS};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    if (!unicode::is_word_of(text, SPELLING)) return fail(Error{});
    std::string lower = unicode::to_lower(text);
    // The typographic apostrophe (U+2019) and the modifier-letter
    // apostrophe (U+02BC, the one Ukrainian keyboard layouts type) count as
    // the plain one that the lexicon uses.
    std::string folded;
    folded.reserve(lower.size());
    for (std::size_t i = 0; i < lower.size();) {
        if (lower.compare(i, 3, "\u2019") == 0) {
            folded += '\'';
            i += 3;
        } else if (lower.compare(i, 2, "\u02bc") == 0) {
            folded += '\'';
            i += 2;
        } else {
            folded += lower[i++];
        }
    }
    std::string_view word = unicode::trim(folded);
    for (char32_t c : utf8::chars(word)) {
        if (unicode::is_white_space(c) || !lemma_char(c)) return fail(Error{});
    }

    Verb verb;
    verb.lemma = std::string(word);
    std::string_view base = word;
    if (word.size() >= 4 && (ends_with(word, "ся") || ends_with(word, "сь"))) {
        base = word.substr(0, word.size() - 4);
        verb.reflexive = true;
    }
    verb.base = std::string(base);

    std::size_t chars = utf8::length(base);
    if (const Family* f = find_family(base, verb.prefix)) {
        verb.kind = Kind::Family;
        verb.family = f;
    } else if (chars >= 5 && ends_with(base, "нути")) {
        // кинути: кину, кинеш; the stem keeps its н.
        verb.kind = Kind::Nu;
        verb.stem = cut(base, 6);
        // A vowel before н leaves the stem stressed (кинь, глянь); a
        // consonant (крикни) or a stressed ending (мини, тони) takes -и.
        char32_t before = utf8::last(utf8::drop_last_chars(base, 4));
        verb.soft_imperative = is_vowel(before) && !ends_with(base, "минути") && !ends_with(base, "тонути") &&
                               !ends_with(base, "м'янути") && !ends_with(base, "манути");
    } else if (chars >= 4 && ends_with(base, "їти")) {
        // коїти: кою, коїш, кой; the ї belongs to the stem.
        verb.kind = Kind::Yi;
        verb.stem = cut(base, 6);
        verb.conjugation = Conjugation::Second;
    } else if (ends_with(base, "давати") || ends_with(base, "ставати") || ends_with(base, "знавати")) {
        // -ва- stands only in the infinitive, past and imperative: даю, давай.
        verb.kind = Kind::Ava;
        verb.stem = cut(base, 8);
    } else if (ends_with(base, "іяти") || ends_with(base, "аяти") || ends_with(base, "яяти")) {
        // сіяти: сію, сієш, сій.
        verb.kind = Kind::VowelYa;
        verb.stem = cut(base, 6);
    } else if (inchoative(base)) {
        verb.stem = cut(base, 4);
    } else if (base.size() >= 10 && ends_with(base, "увати")) {
        verb.stem = cut(base, 10) + "у";
    } else if (base.size() >= 10 && ends_with(base, "ювати")) {
        verb.stem = cut(base, 10) + "ю";
    } else if (base.size() >= 6 && (ends_with(base, "ити") || ends_with(base, "іти"))) {
        verb.stem = cut(base, 6);
        verb.conjugation = Conjugation::Second;
        // The prefixed imperfectives of ходити, водити, носити, возити are
        // stressed on the stem: виходь, знаходь, принось.
        for (std::string_view root : {"ходити", "водити", "носити", "возити"}) {
            if (ends_with(base, root) && base.size() > root.size() &&
                prefix_chain(base.substr(0, base.size() - root.size()))) {
                verb.zero_imperative = true;
            }
        }
    } else if (base.size() >= 4 && ends_with(base, "ти")) {
        verb.stem = cut(base, 4);
        char32_t last = utf8::last(verb.stem);
        if (!verb.stem.empty() && !is_vowel(last) && last != U'ь' && last != U'й' && last != U'\'') {
            verb.kind = Kind::Consonant;
            verb.present_stem = consonant_present_stem(verb.stem);
        }
    } else {
        verb.stem = std::string(base);
    }

    // -тись is the other spelling of -тися: both take the row of -тися.
    auto row = find_row(verb.lemma);
    if (!row && verb.reflexive && ends_with(word, "сь")) row = find_row(verb.base + std::string(kReflexive));
    if (row) verb.forms = row->forms;
    return verb;
}

std::string Verb::present(int person, bool plural) const {
    std::size_t slot = static_cast<std::size_t>(person) + (plural ? 3 : 0);
    if (forms[slot]) return std::string(*forms[slot]);
    static constexpr std::string_view kFirst[6] = {"ю", "єш", "є", "ємо", "єте", "ють"};
    static constexpr std::string_view kNu[6] = {"у", "еш", "е", "емо", "ете", "уть"};
    static constexpr std::string_view kYi[6] = {"ю", "їш", "їть", "їмо", "їте", "ять"};
    std::string out;
    if (kind == Kind::Family) {
        out = prefix + std::string(family->forms[slot]);
    } else if (kind == Kind::Nu) {
        out = stem + std::string(kNu[slot]);
    } else if (kind == Kind::Yi) {
        out = stem + std::string(kYi[slot]);
    } else if (kind == Kind::Consonant) {
        out = present_stem + std::string(kNu[slot]);
    } else if (conjugation == Conjugation::First) {
        out = stem + std::string(kFirst[slot]);
    } else if (slot == 0) {
        out = second_first_singular(stem);
    } else if (slot == 5) {
        if (is_labial(utf8::last(stem))) out = stem + "лять";
        else if (ends_in_hushing(stem)) out = stem + "ать";
        else out = stem + "ять";
    } else {
        static constexpr std::string_view kEndings[6] = {"", "иш", "ить", "имо", "ите", ""};
        out = stem + std::string(kEndings[slot]);
    }
    // A 3sg that ends in a vowel ("читає", "веде") takes "ться"
    // ("читається"), as every slot that ends in "ть" already does with "ся".
    if (reflexive) out += slot == 2 && is_vowel(utf8::last(out)) ? "ться" : kReflexive;
    return out;
}

std::string Verb::past(int gender, bool plural) const {
    std::size_t slot = plural ? 3 : static_cast<std::size_t>(gender);
    if (forms[kPastSlot + slot]) return std::string(*forms[kPastSlot + slot]);
    std::string out;
    if (kind == Kind::Family) {
        out = prefix + std::string(family->forms[kPastSlot + slot]);
    } else {
        static constexpr std::string_view kEndings[4] = {"в", "ла", "ло", "ли"};
        std::string_view b = base;
        if (b.size() >= 4 && ends_with(b, "ти")) b.remove_suffix(4);
        out = std::string(b);
        // After a consonant the masculine has no ending, and an о or е
        // before that one consonant turns to і: пас, пасла; сіп, сопла;
        // but товк, мерз (two consonants), тер, дер and the verbs with -н-
        // in the present (сох, мок).
        if (kind == Kind::Consonant && slot == 0) {
            char32_t last = utf8::last(out);
            std::string_view head = utf8::drop_last_chars(out, 1);
            char32_t vowel = utf8::last(head);
            bool nu = present_stem.size() > stem.size();
            if (last != U'р' && !nu && (vowel == U'о' || vowel == U'е'))
                out = std::string(utf8::drop_last_chars(head, 1)) + "і" + std::string(out.substr(head.size()));
        } else {
            out += kEndings[slot];
        }
    }
    if (reflexive) out += kReflexive;
    return out;
}

std::optional<std::string> Verb::imperative(int slot) const {
    std::size_t i = static_cast<std::size_t>(slot);
    if (forms[kImperativeSlot + i]) {
        if (*forms[kImperativeSlot + i] == kNoForm) return std::nullopt;
        return std::string(*forms[kImperativeSlot + i]);
    }
    static constexpr std::string_view kFirst[3] = {"й", "ймо", "йте"};
    static constexpr std::string_view kSecond[3] = {"и", "імо", "іть"};
    static constexpr std::string_view kZero[3] = {"", "мо", "те"};
    static constexpr std::string_view kSoft[3] = {"ь", "ьмо", "ьте"};
    std::string out;
    if (kind == Kind::Family) {
        out = prefix + std::string(family->forms[kImperativeSlot + i]);
    } else if (kind == Kind::Nu) {
        out = stem + std::string(soft_imperative ? kSoft[i] : kSecond[i]);
    } else if (kind == Kind::Consonant) {
        out = present_stem + std::string(kSecond[i]);
    } else if (kind == Kind::Yi || kind == Kind::VowelYa) {
        out = stem + std::string(kFirst[i]);
    } else if (kind == Kind::Ava) {
        out = std::string(utf8::drop_last_chars(base, 2)) + std::string(kFirst[i]);
    } else if (zero_imperative) {
        char32_t last = utf8::last(stem);
        bool soft = last == U'д' || last == U'т' || last == U'з' || last == U'с' || last == U'л' || last == U'н' ||
                    last == U'ц';
        out = stem + std::string(soft ? kSoft[i] : kZero[i]);
    } else {
        out = stem + std::string(conjugation == Conjugation::First ? kFirst[i] : kSecond[i]);
    }
    if (reflexive) out += kReflexive;
    return out;
}

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.lemma;
    for (int i = 0; i < 6; ++i) t.present[static_cast<std::size_t>(i)] = verb.present(i % 3, i >= 3);
    for (int i = 0; i < 3; ++i) t.imperative[static_cast<std::size_t>(i)] = verb.imperative(i);
    for (int i = 0; i < 3; ++i) t.past[static_cast<std::size_t>(i)] = verb.past(i, false);
    t.past[3] = verb.past(0, true);
    return t;
}

}  // namespace velnor::ukr
