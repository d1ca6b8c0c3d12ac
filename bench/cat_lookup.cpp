// Times the Catalan lexicon lookup two ways and checks that they agree:
// a scan of the whole lexicon text per call (every row split into cells,
// longest matching lemma kept, first of equally long ones), and the engine's
// lookup in the compiled table (velnor::cat::lookup).
//
// Build from the repository root after a module build (for the generated
// data source):
//   g++ -O2 -std=c++20 -Isrc -Ibuild/<tag>/generated bench/cat_lookup.cpp src/cat.cpp \
//       src/lexicon_text.cpp src/unicode.cpp src/unicode_tables.cpp src/utf8.cpp \
//       build/<tag>/generated/velnor_data.cpp -o /tmp/cat_lookup && /tmp/cat_lookup
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cat.hpp"
#include "lexicon_text.hpp"
#include "velnor_data.hpp"

namespace {

struct Found {
    std::string_view lemma;
    std::string_view line;
};

// One pass over the text, as the lexicon format describes the match.
Found scan(std::string_view word) {
    Found best;
    bool found = false;
    for (std::string_view line : velnor::lex::Lines(velnor::data::cat)) {
        auto c = velnor::lex::split<13>(line);
        std::string_view lemma = c[0];
        bool exact = c.count > 10 && c[10] == "1";
        bool match = exact ? word == lemma
                           : word.size() >= lemma.size() && word.substr(word.size() - lemma.size()) == lemma;
        if (match && (!found || lemma.size() > best.lemma.size())) {
            best = {lemma, line};
            found = true;
        }
    }
    return best;
}

}  // namespace

int main() {
    std::vector<std::string> words;
    for (std::string_view line : velnor::lex::Lines(velnor::data::cat)) {
        std::string lemma(velnor::lex::split<1>(line)[0]);
        for (const char* p : {"", "re", "des", "a", "com", "x"}) words.push_back(p + lemma);
    }
    for (const char* w : {"parlar", "dormir", "servir", "llegir", "cantar", "batre", "produir"}) words.push_back(w);

    // Agreement: same lemma length (hence the same prefix) and the same row.
    std::size_t disagree = 0;
    for (const std::string& w : words) {
        Found s = scan(w);
        std::size_t length = 0;
        auto e = velnor::cat::lookup(w, length);
        bool same = !e == s.lemma.empty() && (!e || length == s.lemma.size());
        if (e && same) {
            // The entry's first non-empty view points into the scanned line.
            auto inside = [&](std::string_view v) {
                return v.data() >= s.line.data() && v.data() + v.size() <= s.line.data() + s.line.size();
            };
            if (e->pp) same = inside(*e->pp);
            else if (e->pres) same = inside((*e->pres)[0]);
        }
        if (!same) {
            ++disagree;
            std::printf("disagree: %s\n", w.c_str());
        }
    }

    using clock = std::chrono::steady_clock;
    auto time = [&](auto&& fn) {
        auto t0 = clock::now();
        std::size_t sink = 0;
        for (int rep = 0; rep < 5; ++rep)
            for (const std::string& w : words) sink += fn(w);
        double ns = std::chrono::duration<double, std::nano>(clock::now() - t0).count();
        if (sink == 42) std::puts("");
        return ns / (5.0 * words.size());
    };
    double t_scan = time([](const std::string& w) { return scan(w).lemma.size(); });
    double t_map = time([](const std::string& w) {
        std::size_t n = 0;
        velnor::cat::lookup(w, n);
        return n;
    });
    std::printf("%zu words, %zu disagreements\n", words.size(), disagree);
    std::printf("scan of the whole text per lookup: %.2f us\n", t_scan / 1000);
    std::printf("compiled table, per lookup:        %.3f us\n", t_map / 1000);
    std::size_t bytes = velnor::data::cat.size();
    std::printf("lexicon text: %zu bytes\n", bytes);
    return disagree == 0 ? 0 : 1;
}
