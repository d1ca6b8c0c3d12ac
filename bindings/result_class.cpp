#include "result_class.hpp"

#include <cstdio>

#include "../src/unicode.hpp"
#include "../src/utf8.hpp"

namespace velnor::py {

PyObject* to_python(std::string_view s) {
    return PyUnicode_FromStringAndSize(s.data(), static_cast<Py_ssize_t>(s.size()));
}

PyObject* to_python(const std::optional<std::string>& s) {
    if (!s) Py_RETURN_NONE;
    return to_python(std::string_view(*s));
}

namespace {

template <class T>
PyObject* list_of(std::span<const T> items) {
    PyObject* list = PyList_New(static_cast<Py_ssize_t>(items.size()));
    if (list == nullptr) return nullptr;
    for (std::size_t i = 0; i < items.size(); ++i) {
        PyObject* item = to_python(items[i]);
        if (item == nullptr) {
            Py_DECREF(list);
            return nullptr;
        }
        PyList_SetItem(list, static_cast<Py_ssize_t>(i), item);  // steals item
    }
    return list;
}

bool printable(char32_t cp) {
    using unicode::Category;
    switch (unicode::category(cp)) {
        case Category::Cc:
        case Category::Cf:
        case Category::Cs:
        case Category::Co:
        case Category::Cn:
        case Category::Zl:
        case Category::Zp:
            return false;
        case Category::Zs:
            return cp == U' ';
        default:
            return true;
    }
}

void append_hex_escape(std::string& out, char32_t cp) {
    static constexpr char HEX[] = "0123456789abcdef";
    out += "\\u{";
    char digits[8];
    int n = 0;
    do {
        digits[n++] = HEX[cp & 0xF];
        cp >>= 4;
    } while (cp != 0);
    while (n > 0) out += digits[--n];
    out += '}';
}

}  // namespace

PyObject* to_python(std::span<const std::string> list) { return list_of(list); }
PyObject* to_python(std::span<const std::optional<std::string>> list) { return list_of(list); }

PyObject* to_python(const std::optional<std::vector<std::string>>& v) {
    if (!v) Py_RETURN_NONE;
    return to_python(std::span<const std::string>(*v));
}

std::string quote(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    std::size_t pos = 0;
    while (pos < text.size()) {
        utf8::Decoded d = utf8::decode(text, pos);
        char32_t cp = d.cp;
        switch (cp) {
            case 0: out += "\\0"; break;
            case U'\t': out += "\\t"; break;
            case U'\n': out += "\\n"; break;
            case U'\r': out += "\\r"; break;
            case U'\\': out += "\\\\"; break;
            case U'"': out += "\\\""; break;
            default:
                if (unicode::is_grapheme_extend(cp) || !printable(cp)) {
                    append_hex_escape(out, cp);
                } else {
                    out.append(text.substr(pos, d.len));
                }
        }
        pos += d.len;
    }
    out += '"';
    return out;
}

namespace detail {

namespace {

PyObject* no_constructor(PyTypeObject* type, PyObject*, PyObject*) {
    PyObject* name = PyType_GetName(type);
    if (name == nullptr) return nullptr;
    PyErr_Format(PyExc_TypeError, "No constructor defined for %U", name);
    Py_DECREF(name);
    return nullptr;
}

}  // namespace

PyObject* make_type(const char* name, char* full_name, std::size_t full_name_size, const char* doc,
                    int basicsize, PyGetSetDef* getset, destructor dealloc, reprfunc repr) {
    // The interpreter keeps pointing at the spec's name, so it is kept in the
    // class description, which lives for the process.
    int written = std::snprintf(full_name, full_name_size, "builtins.%s", name);
    if (written < 0 || static_cast<std::size_t>(written) >= full_name_size) {
        PyErr_SetString(PyExc_SystemError, "result class name too long");
        return nullptr;
    }
    PyType_Slot slots[] = {
        {Py_tp_doc, const_cast<char*>(doc)},
        {Py_tp_new, reinterpret_cast<void*>(&no_constructor)},
        {Py_tp_dealloc, reinterpret_cast<void*>(dealloc)},
        {Py_tp_repr, reinterpret_cast<void*>(repr)},
        {Py_tp_getset, getset},
        {0, nullptr},
    };
    PyType_Spec spec = {full_name, basicsize, 0, Py_TPFLAGS_DEFAULT, slots};
    return PyType_FromSpec(&spec);
}

PyObject* alloc_object(PyTypeObject* type) {
    auto alloc = reinterpret_cast<allocfunc>(PyType_GetSlot(type, Py_tp_alloc));
    return alloc(type, 0);
}

void free_object(PyObject* self) {
    PyTypeObject* type = Py_TYPE(self);
    auto free_slot = reinterpret_cast<freefunc>(PyType_GetSlot(type, Py_tp_free));
    free_slot(self);
    Py_DECREF(type);
}

PyObject* make_repr(const char* name, std::string_view first, const char* label, std::string_view extra) {
    std::string out(name);
    out += '(';
    out += quote(first);
    if (label != nullptr) {
        out += ", ";
        out += label;
        out += '=';
        out += quote(extra);
    }
    out += ')';
    return to_python(std::string_view(out));
}

}  // namespace detail
}  // namespace velnor::py
