// What the frame needs of one language: its result class and its conjugate
// step. Each bindings/<code>.cpp defines its `velnor::py::<code>` record; a
// language whose engine is not built in leaves the weak declaration
// unresolved (a null address), and the frame reports it as not available.
#pragma once
#include "python.hpp"

#include <string>
#include <string_view>
#include <type_traits>

namespace velnor::py {

struct Language {
    // The result class's type (borrowed), made on first use.
    PyTypeObject* (*type)();
    const char* class_name;
    // Parses, builds and wraps; a new reference, or null with an exception.
    PyObject* (*conjugate)(std::string_view word);
    // The message for a word refused outright (not a citation form of the
    // language).
    const char* refusal;
    // Whether the refusal is followed by the word itself (German).
    bool refusal_names_word = false;
};

// Raises ValueError(message); returns null.
PyObject* value_error(const std::string& message);

// How many characters of a refused word or an unknown language code a message
// names; a longer one is cut there and an ellipsis follows.
constexpr std::size_t NAMED_CHARS = 50;

// Raises ValueError(prefix + the word, shortened to NAMED_CHARS characters);
// returns null.
PyObject* value_error_naming(const char* prefix, std::string_view word);
// The same for a str as passed, which may hold what UTF-8 cannot (a lone
// surrogate).
PyObject* value_error_naming(const char* prefix, PyObject* word);

// The conjugate step of an engine whose `Make` (Verb::from_infinitive or the
// like) gives the verb or a failure, and whose `Table::build` makes its table:
// the table wrapped in `Class`, or ValueError(Refusal). With `Unsupported`, a
// word the engine takes for a verb but cannot conjugate (an error other than
// NotAVerb) raises that instead.
template <auto Make, const auto& Class, const char* Refusal, const char* Unsupported = nullptr>
PyObject* conjugate_with(std::string_view word) {
    auto verb = Make(word);
    if (!verb) {
        if constexpr (Unsupported != nullptr) {
            using Error = std::remove_cvref_t<decltype(verb.error())>;
            if (verb.error() != Error::NotAVerb) return value_error(Unsupported);
        }
        return value_error(Refusal);
    }
    using Table = typename std::remove_cvref_t<decltype(Class)>::data_type;
    return Class.wrap(Table::build(*verb));
}

// The same for an engine cited by its infinitive (Verb::from_infinitive).
template <class Verb, const auto& Class, const char* Refusal, const char* Unsupported = nullptr>
PyObject* conjugate_infinitive(std::string_view word) {
    return conjugate_with<&Verb::from_infinitive, Class, Refusal, Unsupported>(word);
}

#define VELNOR_LANGUAGES(X) \
    X(deu) X(cat) X(ces) X(dan) X(eng) X(est) X(fin) X(fra) X(slv) X(spa) X(por) X(gle) X(hye) X(isl) X(ita) \
    X(kor) X(rus) X(nld) X(ron) X(swe) X(ukr) X(jpn) X(tur) X(hin) X(swa) X(tam) X(tel) X(tgl) X(pes) X(kan) \
    X(guj) X(urd) X(ben) X(mar)

#define VELNOR_DECLARE_LANGUAGE(code) extern const Language code __attribute__((weak));
VELNOR_LANGUAGES(VELNOR_DECLARE_LANGUAGE)
#undef VELNOR_DECLARE_LANGUAGE

}  // namespace velnor::py
