// The module frame: initialisation, registration of the result classes and
// the conjugate function.
#include "python.hpp"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <exception>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "../src/fatal.hpp"
#include "../src/utf8.hpp"
#include "lang.hpp"
#include "language.hpp"
#include "result_class.hpp"

namespace velnor::py {
namespace {

// ---- the dispatch table, in Lang order ----

#define VELNOR_LANGUAGE_ADDRESS(code) &code,
const Language* const DISPATCH[LANG_COUNT] = {VELNOR_LANGUAGES(VELNOR_LANGUAGE_ADDRESS)};
#undef VELNOR_LANGUAGE_ADDRESS

// Registration order of the result classes (not the order of Lang).
const Language* const REGISTRATION[] = {
    &deu, &fra, &spa, &cat, &rus, &nld, &hye, &hin, &mar, &kor, &tur, &por, &ron, &eng, &dan, &ces, &slv,
    &est, &fin, &gle, &ita, &swe, &ukr, &isl, &jpn, &swa, &tam, &tel, &tgl, &pes, &kan, &guj, &urd, &ben,
};
static_assert(std::size(REGISTRATION) == LANG_COUNT);

// ---- arguments ----

// The longest word, in characters, that is handed to an engine. Real input is
// far shorter (the longest multi-word German and Dutch infinitives have a few
// dozen); the bound keeps a caller that passes arbitrary text from making the
// engines build tables from megabytes.
constexpr Py_ssize_t MAX_WORD_CHARS = 256;

PyObject* type_error(const char* fmt, auto... args) {
    PyErr_Format(PyExc_TypeError, fmt, args...);
    return nullptr;
}

// Raises the argument TypeError unless `value` is a str.
bool check_text(PyObject* value, const char* name) {
    if (PyUnicode_Check(value)) return true;
    PyObject* qualname = PyType_GetQualName(Py_TYPE(value));
    if (qualname == nullptr) return false;
    PyErr_Format(PyExc_TypeError, "argument '%s': '%U' object cannot be converted to 'PyString'", name, qualname);
    Py_DECREF(qualname);
    return false;
}

// Reads a str as UTF-8; leaves the interpreter's UnicodeEncodeError for lone
// surrogates.
bool utf8_of(PyObject* value, std::string_view& out) {
    Py_ssize_t size = 0;
    const char* utf8 = PyUnicode_AsUTF8AndSize(value, &size);
    if (utf8 == nullptr) return false;
    out = std::string_view(utf8, static_cast<std::size_t>(size));
    return true;
}

// Clears the UnicodeEncodeError of a str that holds a lone surrogate; false,
// with the error left, for any other error (out of memory).
bool clear_encode_error() {
    if (!PyErr_ExceptionMatches(PyExc_UnicodeEncodeError)) return false;
    PyErr_Clear();
    return true;
}

PyObject* not_available(Lang lang) {
    PyErr_Format(PyExc_NotImplementedError, "%s conjugation is not available yet", lang_name(lang));
    return nullptr;
}

// Refuses a word with the language's message before any engine work.
PyObject* refuse(const Language& language, PyObject* word) {
    if (language.refusal_names_word) return value_error_naming(language.refusal, word);
    PyErr_SetString(PyExc_ValueError, language.refusal);
    return nullptr;
}

// Conjugates `word` (null when it is longer than MAX_WORD_CHARS characters and so
// was not read), the text of `word_object`.
PyObject* run(Lang lang, PyObject* word_object, std::optional<std::string_view> word) {
    const Language* language = DISPATCH[static_cast<int>(lang)];
    if (language == nullptr) return not_available(lang);
    if (!word) return refuse(*language, word_object);
    try {
        return language->conjugate(*word);
    } catch (const FatalError& e) {
        PyErr_SetString(PyExc_RuntimeError, e.what());
    } catch (const std::bad_alloc&) {
        PyErr_NoMemory();
    } catch (const std::exception& e) {
        PyErr_Format(PyExc_RuntimeError, "internal error: %s", e.what());
    } catch (...) {
        PyErr_SetString(PyExc_RuntimeError, "internal error");
    }
    return nullptr;
}

PyObject* conjugate(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
    if (nargs > 2) {
        return type_error("%s takes from %d to %d positional arguments but %zd %s given", "conjugate()", 1, 2, nargs,
                          "were");
    }
    PyObject* params[2] = {nargs > 0 ? args[0] : nullptr, nargs > 1 ? args[1] : nullptr};
    if (kwnames != nullptr) {
        Py_ssize_t nkw = PyTuple_Size(kwnames);
        for (Py_ssize_t i = 0; i < nkw; ++i) {
            PyObject* key = PyTuple_GetItem(kwnames, i);
            int slot = -1;
            if (PyUnicode_CompareWithASCIIString(key, "infinitive") == 0) {
                slot = 0;
            } else if (PyUnicode_CompareWithASCIIString(key, "lang") == 0) {
                slot = 1;
            } else {
                PyErr_Format(PyExc_TypeError, "%s got an unexpected keyword argument '%U'", "conjugate()", key);
                return nullptr;
            }
            if (params[slot] != nullptr) {
                return type_error("%s got multiple values for argument '%s'", "conjugate()",
                                  slot == 0 ? "infinitive" : "lang");
            }
            params[slot] = args[nargs + i];
        }
    }
    if (params[0] == nullptr) {
        return type_error("%s missing %d required %s %s: 'infinitive'", "conjugate()", 1, "positional", "argument");
    }
    if (!check_text(params[0], "infinitive")) return nullptr;
    Py_ssize_t length = PyUnicode_GetLength(params[0]);
    if (length < 0) return nullptr;
    // An over-long word is not read at all: it is refused once the language
    // is known.
    std::optional<std::string_view> word;
    if (length <= MAX_WORD_CHARS) {
        std::string_view text;
        if (!utf8_of(params[0], text)) return nullptr;
        word = text;
    }
    std::string_view code = "deu";
    std::optional<Lang> lang;
    if (params[1] == nullptr) {
        lang = lang_from_code(code);
    } else {
        if (!check_text(params[1], "lang")) return nullptr;
        // A code that UTF-8 cannot hold (a lone surrogate) is no known code.
        if (utf8_of(params[1], code)) {
            lang = lang_from_code(code);
        } else if (!clear_encode_error()) {
            return nullptr;
        }
        // Named as passed, shortened as a refused word is.
        if (!lang) return value_error_naming("unknown language: ", params[1]);
    }
    return run(*lang, params[0], word);
}

constexpr const char CONJUGATE_DOC[] =
    "conjugate(infinitive, lang=\"deu\")\n"
    "--\n"
    "\n"
    "Conjugate an infinitive: `velnor.conjugate(\"aufstehen\").present[0]`\n"
    "\u2192 \"stehe auf\", `velnor.conjugate(\"parler\", lang=\"fra\").present[0]`\n"
    "\u2192 \"parle\". Raises ValueError for unknown languages and for strings\n"
    "that are not infinitives of the requested language.";

PyMethodDef CONJUGATE_DEF = {
    "conjugate",
    reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(&conjugate)),
    METH_FASTCALL | METH_KEYWORDS,
    CONJUGATE_DOC,
};

// ---- initialisation ----

// The interpreter that owns the module, or -1.
std::atomic<std::int64_t> recorded_interpreter{-1};
// The module, borrowed: the interpreter that imported it keeps it until it
// shuts down, and free_module() empties the cell then.
PyObject* module_cell = nullptr;

// Runs when a module object is freed. When it is the module of the cell (its
// interpreter is shutting down), the result classes go with it and the cell
// and the recorded interpreter are reset, so that an interpreter initialised
// later in the process (Py_Finalize, then Py_Initialize) builds them afresh.
// A module discarded by a failed initialisation changes nothing.
void free_module(void* module) {
    if (module == nullptr || module != module_cell) return;
    module_cell = nullptr;
    detail::release_types();
    recorded_interpreter.store(-1);
}

PyModuleDef MODULE_DEF = {
    PyModuleDef_HEAD_INIT,
    "velnor",
    "",
    0,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    &free_module,
};

// Appends `name` to the module's __all__ (made on first use) and sets the
// attribute.
bool add_object(PyObject* module, PyObject* name, PyObject* object) {
    PyObject* all = PyObject_GetAttrString(module, "__all__");
    if (all == nullptr) {
        if (!PyErr_ExceptionMatches(PyExc_AttributeError)) return false;
        PyErr_Clear();
        all = PyList_New(0);
        if (all == nullptr) return false;
        if (PyObject_SetAttrString(module, "__all__", all) < 0) {
            Py_DECREF(all);
            return false;
        }
    } else if (!PyList_Check(all)) {
        Py_DECREF(all);
        PyErr_SetString(PyExc_TypeError, "__all__ must be a list");
        return false;
    }
    int appended = PyList_Append(all, name);
    Py_DECREF(all);
    if (appended < 0) return false;
    return PyObject_SetAttr(module, name, object) == 0;
}

bool register_class(PyObject* module, const Language& language) {
    PyTypeObject* type = language.type();
    if (type == nullptr) {
        PyObject *exc_type, *exc_value, *exc_tb;
        PyErr_Fetch(&exc_type, &exc_value, &exc_tb);
        PyErr_NormalizeException(&exc_type, &exc_value, &exc_tb);
        PyErr_Format(PyExc_RuntimeError, "An error occurred while initializing class %s", language.class_name);
        PyObject *new_type, *new_value, *new_tb;
        PyErr_Fetch(&new_type, &new_value, &new_tb);
        PyErr_NormalizeException(&new_type, &new_value, &new_tb);
        if (exc_value != nullptr) PyException_SetCause(new_value, exc_value);  // steals exc_value
        Py_XDECREF(exc_type);
        Py_XDECREF(exc_tb);
        PyErr_Restore(new_type, new_value, new_tb);
        return false;
    }
    PyObject* name = PyUnicode_FromString(language.class_name);
    if (name == nullptr) return false;
    bool ok = add_object(module, name, reinterpret_cast<PyObject*>(type));
    Py_DECREF(name);
    return ok;
}

bool module_body(PyObject* module) {
    for (const Language* language : REGISTRATION) {
        if (language != nullptr && !register_class(module, *language)) return false;
    }
    PyObject* module_name = PyModule_GetNameObject(module);
    if (module_name == nullptr) return false;
    PyObject* function = PyCMethod_New(&CONJUGATE_DEF, module, module_name, nullptr);
    Py_DECREF(module_name);
    if (function == nullptr) return false;
    PyObject* name = PyObject_GetAttrString(function, "__name__");
    bool ok = false;
    if (name != nullptr) {
        if (PyUnicode_Check(name)) {
            ok = add_object(module, name, function);
        } else {
            PyErr_SetString(PyExc_TypeError, "function name must be a str");
        }
        Py_DECREF(name);
    }
    Py_DECREF(function);
    return ok;
}

PyObject* init() {
    PyInterpreterState* interp = PyInterpreterState_Get();
    std::int64_t id = PyInterpreterState_GetID(interp);
    if (id == -1) return nullptr;
    std::int64_t expected = -1;
    if (!recorded_interpreter.compare_exchange_strong(expected, id) && expected != id) {
        PyErr_SetString(PyExc_ImportError,
                        "velnor does not support subinterpreters: it can only be imported in one interpreter per "
                        "process");
        return nullptr;
    }
    if (module_cell != nullptr) {
        Py_INCREF(module_cell);
        return module_cell;
    }
    PyObject* module = PyModule_Create2(&MODULE_DEF, 3);
    if (module == nullptr) return nullptr;
    if (!module_body(module)) {
        Py_DECREF(module);
        return nullptr;
    }
    module_cell = module;
    return module;
}

}  // namespace

PyObject* value_error(const std::string& message) {
    PyObject* text = PyUnicode_FromStringAndSize(message.data(), static_cast<Py_ssize_t>(message.size()));
    if (text == nullptr) return nullptr;
    PyErr_SetObject(PyExc_ValueError, text);
    Py_DECREF(text);
    return nullptr;
}

PyObject* value_error_naming(const char* prefix, PyObject* word) {
    Py_ssize_t length = PyUnicode_GetLength(word);
    if (length < 0) return nullptr;
    const auto named = static_cast<Py_ssize_t>(NAMED_CHARS);
    PyObject* start = PyUnicode_Substring(word, 0, std::min(length, named));
    if (start == nullptr) return nullptr;
    PyErr_Format(PyExc_ValueError, "%s%U%s", prefix, start, length > named ? "\u2026" : "");
    Py_DECREF(start);
    return nullptr;
}

PyObject* value_error_naming(const char* prefix, std::string_view word) {
    try {
        std::string message = prefix;
        std::string_view named = utf8::first_chars(word, NAMED_CHARS);
        message += named;
        if (named.size() < word.size()) message += "\u2026";
        return value_error(message);
    } catch (const std::bad_alloc&) {
        return PyErr_NoMemory();
    }
}

}  // namespace velnor::py

extern "C" __attribute__((visibility("default"))) PyObject* PyInit_velnor() {
    try {
        return velnor::py::init();
    } catch (...) {
        PyErr_SetString(PyExc_RuntimeError, "internal error while initialising velnor");
        return nullptr;
    }
}
