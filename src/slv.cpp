#include "slv.hpp"

#include "lexicon_text.hpp"
#include "text.hpp"
#include "unicode.hpp"
#include "utf8.hpp"
#include "velnor_data.hpp"

namespace velnor::slv {

using text::join;
using utf8::ends_with;
namespace {

constexpr std::array<std::string_view, 9> PRESENT_ENDINGS{"m", "š", "", "va", "ta", "ta", "mo", "te", "jo"};
// Indexed like the present slots; the first singular has no imperative.
constexpr std::array<std::string_view, 9> IMPERATIVE_ENDINGS{"", "", "", "va", "ta", "", "mo", "te", ""};
// Indexed gender * 3 + number.
constexpr std::array<std::string_view, 9> PARTICIPLE_ENDINGS{"", "a", "i", "a", "i", "e", "o", "i", "a"};

constexpr std::array<std::string_view, 9> PAST_AUX{"sem", "si", "je", "sva", "sta", "sta", "smo", "ste", "so"};
constexpr std::array<std::string_view, 9> FUTURE_AUX{"bom", "boš", "bo", "bova", "bosta", "bosta", "bomo", "boste", "bodo"};
constexpr std::array<std::string_view, 9> CONDITIONAL_AUX{"bi", "bi", "bi", "bi", "bi", "bi", "bi", "bi", "bi"};

// A row cell that marks a form the verb does not have (moči, hoteti, smeti
// have no imperative).
constexpr std::string_view NO_FORM = "\u2014";

std::string_view drop(std::string_view s, std::size_t n) { return s.substr(0, s.size() - n); }

std::optional<Class> class_word(std::string_view w) {
    if (w == "a") return Class::A;
    if (w == "i") return Class::I;
    if (w == "uje") return Class::Uje;
    if (w == "ne") return Class::Ne;
    return std::nullopt;
}

bool is_lemma_char(char32_t c) { return c == U'-' || unicode::is_lemma_letter(c); }

// Roots whose prefixed verbs the row lexicon need not list: a lemma made of
// prefixes and one of these roots takes the root's forms with the prefix in
// front (po+reči: porečem, porekel; z+najti: znajdem, znašel; pred+pisati:
// predpišem; se+stati: sestanem). Longer roots are tried first. stati, slati,
// četi, mreti, preti and biti serve only with a prefix (stati itself is
// stojim, biti sem); do+biti is dobim.
constexpr Family FAMILIES[] = {
    {"obleči", "oblečem", "obleci", "oblekel", "oblekla"},
    {"streči", "strežem", "strezi", "stregel", "stregla"},
    {"striči", "strižem", "strizi", "strigel", "strigla"},
    {"klicati", "kličem", "kliči", "klical", "klicala"},
    {"gledati", "gledam", "glej", "gledal", "gledala"},
    {"brisati", "brišem", "briši", "brisal", "brisala"},
    {"česati", "češem", "češi", "česal", "česala"},
    {"plesati", "plešem", "pleši", "plesal", "plesala"},
    {"sestati", "sestanem", "sestani", "sestal", "sestala"},
    {"prejeti", "prejmem", "prejmi", "prejel", "prejela"},
    {"sleči", "slečem", "sleci", "slekel", "slekla"},
    {"vreči", "vržem", "vrzi", "vrgel", "vrgla"},
    {"vleči", "vlečem", "vleci", "vlekel", "vlekla"},
    {"tolči", "tolčem", "tolci", "tolkel", "tolkla"},
    {"gristi", "grizem", "grizi", "grizel", "grizla"},
    {"plesti", "pletem", "pleti", "pletel", "pletla"},
    {"tresti", "tresem", "tresi", "tresel", "tresla"},
    {"krasti", "kradem", "kradi", "kradel", "kradla"},
    {"cvesti", "cvetem", "cveti", "cvetel", "cvetla"},
    {"pisati", "pišem", "piši", "pisal", "pisala"},
    {"kazati", "kažem", "kaži", "kazal", "kazala"},
    {"iskati", "iščem", "išči", "iskal", "iskala"},
    {"vezati", "vežem", "veži", "vezal", "vezala"},
    {"rezati", "režem", "reži", "rezal", "rezala"},
    {"lizati", "ližem", "liži", "lizal", "lizala"},
    {"mazati", "mažem", "maži", "mazal", "mazala"},
    {"najeti", "najamem", "najemi", "najel", "najela"},
    {"umeti", "umem", "umi", "umel", "umela"},
    {"zajeti", "zajamem", "zajemi", "zajel", "zajela"},
    {"objeti", "objamem", "objemi", "objel", "objela"},
    {"reči", "rečem", "reci", "rekel", "rekla"},
    {"teči", "tečem", "teci", "tekel", "tekla"},
    {"peči", "pečem", "peci", "pekel", "pekla"},
    {"leči", "ležem", "lezi", "legel", "legla"},
    {"seči", "sežem", "sezi", "segel", "segla"},
    {"moči", "morem", "\u2014", "mogel", "mogla"},
    {"najti", "najdem", "najdi", "našel", "našla"},
    {"obiti", "obidem", "obidi", "obšel", "obšla"},
    {"nesti", "nesem", "nesi", "nesel", "nesla"},
    {"vesti", "vedem", "vedi", "vedel", "vedla"},
    {"pasti", "padem", "padi", "padel", "padla"},
    {"rasti", "rastem", "rasti", "rasel", "rasla"},
    {"sesti", "sedem", "sedi", "sedel", "sedla"},
    {"mesti", "metem", "meti", "metel", "metla"},
    {"lesti", "lezem", "lezi", "lezel", "lezla"},
    {"bosti", "bodem", "bodi", "bodel", "bodla"},
    {"kriti", "krijem", "krij", "kril", "krila"},
    {"šiti", "šijem", "šij", "šil", "šila"},
    {"brati", "berem", "beri", "bral", "brala"},
    {"prati", "perem", "peri", "pral", "prala"},
    {"gnati", "ženem", "ženi", "gnal", "gnala"},
    {"zvati", "zovem", "zovi", "zval", "zvala"},
    {"stati", "stanem", "stani", "stal", "stala"},
    {"slati", "šljem", "šlji", "slal", "slala"},
    {"četi", "čnem", "čni", "čel", "čela"},
    {"mreti", "mrem", "mri", "mrl", "mrla"},
    {"preti", "prem", "pri", "prl", "prla"},
    {"vzeti", "vzamem", "vzemi", "vzel", "vzela"},
    {"greti", "grejem", "grej", "grel", "grela"},
    {"segreti", "segrejem", "segrej", "segrel", "segrela"},
    {"piti", "pijem", "pij", "pil", "pila"},
    {"liti", "lijem", "lij", "lil", "lila"},
    {"viti", "vijem", "vij", "vil", "vila"},
    {"biti", "bijem", "bij", "bil", "bila"},
    {"deti", "denem", "deni", "del", "dela"},
    {"iti", "idem", "idi", "šel", "šla"},
};

constexpr std::string_view PREFIXES[] = {"v", "vz", "z", "s", "iz", "na", "nad", "o", "ob", "od", "po", "pod",
                                         "pre", "pred", "pri", "pro", "raz", "u", "za", "do"};

// True when s is empty or one prefix, or two when `most` allows it
// (pri+po+moči, iz+u+mreti); longer chains are taken for stems
// (posodobiti is not po+s+od+obiti).
bool prefix_chain(std::string_view s, int most = 2) {
    if (s.empty()) return true;
    if (most == 0) return false;
    for (std::string_view p : PREFIXES)
        if (s.substr(0, p.size()) == p && prefix_chain(s.substr(p.size()), most - 1)) return true;
    return false;
}

bool bound_root(std::string_view root) {
    return root == "stati" || root == "slati" || root == "četi" || root == "mreti" || root == "preti" ||
           root == "biti" || root == "iti";
}

const Family* find_family(std::string_view lemma, std::string& prefix) {
    for (const Family& f : FAMILIES) {
        if (!ends_with(lemma, f.root)) continue;
        std::string_view rest = drop(lemma, f.root.size());
        if (!prefix_chain(rest) || (rest.empty() && bound_root(f.root))) continue;
        // iti takes one prefix of those that make its compounds (odidem,
        // izidem, uidem, zaidem, preidem, razidem, vzidem); poditi is podim.
        if (f.root == "iti" && !(rest == "od" || rest == "iz" || rest == "u" || rest == "za" || rest == "pre" ||
                                 rest == "raz" || rest == "vz"))
            continue;
        // obiti is ob+iti only; do+biti is dobim, po+za+biti pozabim.
        if (f.root == "obiti" && !rest.empty()) continue;
        if (f.root == "biti" && (ends_with(rest, "do") || rest == "poza")) continue;
        prefix = std::string(rest);
        return &f;
    }
    // Any other -či verb is a velar stem, most often in -čem with -k- in
    // the l-participle (teči, vleči); any other -jti verb is built like
    // najti; a -psti or -bsti verb keeps its labial before every ending
    // (tepsti: tepem, tepi, tepel; zebsti: zebem, zebel). All only where
    // the lemma has a stem before the ending.
    static constexpr Family CI{"či", "čem", "ci", "kel", "kla"};
    static constexpr Family JTI{"jti", "jdem", "jdi", "šel", "šla"};
    static constexpr Family PSTI{"psti", "pem", "pi", "pel", "pla"};
    static constexpr Family BSTI{"bsti", "bem", "bi", "bel", "bla"};
    for (const Family* f : {&CI, &JTI, &PSTI, &BSTI}) {
        if (ends_with(lemma, f->root) && utf8::length(lemma) > utf8::length(f->root) + 1) {
            prefix = std::string(drop(lemma, f->root.size()));
            return f;
        }
    }
    return nullptr;
}

// -ati verbs whose present is in -im (slišim, držim), with their prefixed
// verbs (zaslišati, zadržati).
constexpr std::string_view I_ROOTS[] = {"slišati", "dišati", "držati", "ležati", "bežati", "mižati",
                                        "kričati", "molčati", "ječati", "cvrčati", "spati"};

// The class that a lemma's ending reveals, where the class lexicon is
// silent.
Class class_by_ending(std::string_view l) {
    for (std::string_view root : I_ROOTS)
        if (ends_with(l, root) && prefix_chain(drop(l, root.size()))) return Class::I;
    if (ends_with(l, "ovati")) return Class::Uje;
    if (ends_with(l, "evati")) {
        // -evati after a soft consonant is the spelling of -ovati
        // (kraljevati: kraljujem); after any other letter -eva- is part of
        // the stem (upoštevati: upoštevam, prizadevati, uspevati).
        std::string_view head = drop(l, 5);
        if (ends_with(head, "c") || ends_with(head, "č") || ends_with(head, "š") || ends_with(head, "ž") ||
            ends_with(head, "j"))
            return Class::Uje;
        return Class::A;
    }
    if (ends_with(l, "ati")) return Class::A;
    // čuti, obuti, sezuti: čujem, čuj.
    if (l.size() >= 4 && ends_with(l, "uti")) return Class::Uje;
    if (ends_with(l, "niti") && l.size() >= 5) {
        // -nem after a stop or h (dvigniti, pihniti, vtakniti, brcniti), in
        // vrniti and its kin, in stisniti, ugasniti, zdrzniti, zmrzniti, and
        // after the vowel of izginiti, prekiniti, skleniti, ganiti, kreniti;
        // -nim elsewhere (braniti, polniti, pojasniti, prazniti, spomniti).
        char before = l[l.size() - 5];
        if (std::string_view("bcgkpth").find(before) != std::string_view::npos) return Class::Ne;
        for (std::string_view root : {"rniti", "tisniti", "gasniti", "pljusniti", "drzniti", "mrzniti", "giniti",
                                      "kiniti", "kleniti", "ganiti", "kreniti"})
            if (ends_with(l, root) && !ends_with(l, "črniti")) return Class::Ne;
    }
    return Class::I;
}

// The lemma whose forms a lemma takes: a -rti verb with a consonant before
// the r (podprti, zaprti, zatrti, strti) is the other spelling of the -reti
// verb (podpreti: podprem, podpri, podprl) when that verb is listed or built
// on a listed root; any other lemma takes its own.
std::string reti_spelling(std::string_view lemma) {
    std::string own(lemma);
    if (!ends_with(lemma, "rti") || find_row(lemma) || find_class(lemma)) return own;
    std::string_view head = drop(lemma, 3);
    if (head.empty()) return own;
    char32_t before = utf8::last(head);
    if (before == U'a' || before == U'e' || before == U'i' || before == U'o' || before == U'u') return own;
    std::string reti = join(head, "reti");
    std::string prefix;
    if (find_row(reti) || find_family(reti, prefix)) return reti;
    return own;
}

}  // namespace

// A later row for the same lemma replaces an earlier one (a class row only
// when its class word is known).
std::optional<Row> find_row(std::string_view lemma) {
    auto line = data::table::slv.last(lemma);
    if (!line) return std::nullopt;
    auto c = lex::split<FieldCount + 1>(*line);
    Row row;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        std::string_view v = c[i + 1];  // empty when the line is short
        if (!v.empty() && v != "-") row.form[i] = v;
    }
    return row;
}

std::optional<Class> find_class(std::string_view lemma) {
    return lex::last_read(data::table::slv_classes, lemma, [](std::string_view line) -> std::optional<Class> {
        auto c = lex::split<2>(line);
        if (c.count < 2) return std::nullopt;
        return class_word(c[1]);
    });
}

// The infinitive's endings (delati, reči). A word without one (a supine such
// as delat, a noun) is no infinitive: its forms would be made up.
constexpr std::string_view TI = "ti";
constexpr std::string_view INFINITIVE_ENDINGS[] = {TI, "či"};
constexpr unicode::Spelling SPELLING{unicode::Script::Latin, U"-", false, INFINITIVE_ENDINGS, U"", true};

Expected<Verb, Error> Verb::from_infinitive(std::string_view text) {
    auto lower = unicode::lower_word_of(text, SPELLING, is_lemma_char);
    if (!lower) return fail(Error{});
    Verb verb;
    verb.lemma = std::move(*lower);
    const std::string_view lemma = verb.lemma;
    verb.base = reti_spelling(lemma);
    if (auto cls = find_class(verb.base)) {
        verb.cls = *cls;
    } else {
        verb.cls = class_by_ending(verb.base);
    }
    if (auto row = find_row(verb.base)) {
        verb.row = *row;
    } else {
        verb.family = find_family(verb.base, verb.prefix);
    }
    return verb;
}

std::string Verb::stem() const {
    std::string_view l = base;
    switch (cls) {
        case Class::A:
            return std::string(ends_with(l, TI) ? drop(l, TI.size()) : l);
        case Class::I:
            // slišati, držati: the -ati verbs of this class drop -ati.
            return std::string(ends_with(l, "iti") || ends_with(l, "eti") || ends_with(l, "ati") ? drop(l, 3) : l);
        case Class::Uje:
            if (l.size() >= 5 && (ends_with(l, "ovati") || ends_with(l, "evati"))) return join(drop(l, 5), "uj");
            if (l.size() >= 4 && ends_with(l, "uti")) return join(drop(l, 2), "j");
            return join(l, "uj");
        case Class::Ne:
            return std::string(ends_with(l, "iti") ? drop(l, 3) : l);
    }
    return std::string(l);
}

std::string Verb::present(int person, int number) const {
    std::size_t k = static_cast<std::size_t>(number * 3 + person);
    if (row.form[k]) return std::string(*row.form[k]);
    const auto& sg1 = row.form[Sg1];
    if (sg1 && ends_with(*sg1, "m")) return join(drop(*sg1, 1), PRESENT_ENDINGS[k]);
    if (family) return prefix + join(drop(family->sg1, 1), PRESENT_ENDINGS[k]);
    std::string theme = stem();
    switch (cls) {
        case Class::A: break;
        case Class::I: theme += 'i'; break;
        case Class::Uje:
        case Class::Ne: theme += 'e'; break;
    }
    return join(theme, PRESENT_ENDINGS[k]);
}

std::optional<std::string> Verb::imperative(int person, int number) const {
    if (person == 0 && number == 0) return std::nullopt;
    std::size_t k = static_cast<std::size_t>(number * 3 + person);
    std::string base;
    if (row.form[Imp2Sg]) {
        if (*row.form[Imp2Sg] == NO_FORM) return std::nullopt;
        base = std::string(*row.form[Imp2Sg]);
    } else if (family) {
        if (family->imp2sg == NO_FORM) return std::nullopt;
        base = prefix + std::string(family->imp2sg);
    } else {
        base = stem();
        switch (cls) {
            case Class::A: base += 'j'; break;
            case Class::I:
            case Class::Ne: base += 'i'; break;
            case Class::Uje: break;
        }
    }
    return join(base, IMPERATIVE_ENDINGS[k]);
}

std::string Verb::participle(int gender, int number) const {
    std::size_t k = static_cast<std::size_t>(gender * 3 + number);
    if (k != 0 && row.form[LPtcpFem]) {
        std::string_view f = *row.form[LPtcpFem];
        return join(ends_with(f, "a") ? drop(f, 1) : f, PARTICIPLE_ENDINGS[k]);
    }
    if (row.form[LPtcp]) return join(*row.form[LPtcp], PARTICIPLE_ENDINGS[k]);
    if (family) {
        if (k == 0) return prefix + std::string(family->lptcp);
        return prefix + join(drop(family->lptcp_f, 1), PARTICIPLE_ENDINGS[k]);
    }
    std::string_view l = lemma;
    std::string base(ends_with(l, TI) ? drop(l, TI.size()) : l);
    base += 'l';
    return join(base, PARTICIPLE_ENDINGS[k]);
}

std::string Verb::supine() const {
    if (row.form[Supine]) return std::string(*row.form[Supine]);
    std::string_view l = lemma;
    return std::string(ends_with(l, "i") ? drop(l, 1) : l);
}

Row9 analytic_row(const std::array<std::string_view, 9>& auxiliary, const Verb& verb) {
    const std::array<std::string, 3> masculine{verb.participle(0, 0), verb.participle(0, 1), verb.participle(0, 2)};
    Row9 out;
    for (std::size_t k = 0; k < 9; ++k) {
        const std::string& p = masculine[k / 3];
        out[k].reserve(auxiliary[k].size() + 1 + p.size());
        out[k].append(auxiliary[k]);
        out[k] += ' ';
        out[k].append(p);
    }
    return out;
}

Table Table::build(const Verb& verb) {
    Table t;
    t.infinitive = verb.lemma;
    t.supine = verb.supine();
    for (int number = 0; number < 3; ++number)
        for (int person = 0; person < 3; ++person)
            t.present[static_cast<std::size_t>(number * 3 + person)] = verb.present(person, number);
    t.imperative = {verb.imperative(1, 0), verb.imperative(0, 1), verb.imperative(1, 1),
                    verb.imperative(0, 2), verb.imperative(1, 2)};
    for (int gender = 0; gender < 3; ++gender)
        for (int number = 0; number < 3; ++number)
            t.participle[static_cast<std::size_t>(gender * 3 + number)] = verb.participle(gender, number);
    t.preteklik = analytic_row(PAST_AUX, verb);
    // "biti" forms its future with the auxiliary alone (bom, not *bom bil).
    if (verb.lemma == "biti") {
        for (std::size_t k = 0; k < 9; ++k) t.prihodnjik[k] = std::string(FUTURE_AUX[k]);
    } else {
        t.prihodnjik = analytic_row(FUTURE_AUX, verb);
    }
    t.pogojnik = analytic_row(CONDITIONAL_AUX, verb);
    return t;
}

}  // namespace velnor::slv
