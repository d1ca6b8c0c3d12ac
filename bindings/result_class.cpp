#include "result_class.hpp"

#include <cstdio>
#include <exception>
#include <iterator>
#include <new>

#include "../src/quote.hpp"

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

}  // namespace

PyObject* to_python(std::span<const std::string> list) { return list_of(list); }
PyObject* to_python(std::span<const std::optional<std::string>> list) { return list_of(list); }


namespace detail {

namespace {

// The cells of the type objects made so far.
PyObject** kept_types[64] = {};
std::size_t kept_count = 0;

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
    // The interpreter keeps pointing at PyType_Spec.name, so it is kept in the
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
    // Immutable: the class's attributes can be neither set nor deleted, so no
    // caller can change what the results of every other caller read.
    PyType_Spec spec = {full_name, basicsize, 0, Py_TPFLAGS_DEFAULT | Py_TPFLAGS_IMMUTABLETYPE, slots};
    return PyType_FromSpec(&spec);
}

void keep_type(PyObject** cell) {
    // There are 34 classes; a cell that found no place keeps its type.
    if (kept_count < std::size(kept_types)) kept_types[kept_count++] = cell;
}

void release_types() {
    for (std::size_t i = 0; i < kept_count; ++i) Py_CLEAR(*kept_types[i]);
    kept_count = 0;
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

PyObject* make_repr(PyTypeObject* type, std::string_view first, const char* label, std::string_view extra) {
    PyObject* name_object = PyType_GetName(type);
    if (name_object == nullptr) return nullptr;
    Py_ssize_t size = 0;
    const char* name = PyUnicode_AsUTF8AndSize(name_object, &size);
    if (name == nullptr) {
        Py_DECREF(name_object);
        return nullptr;
    }
    std::string_view name_text(name, static_cast<std::size_t>(size));
    PyObject* result = nullptr;
    try {
        std::string out(name_text);
        out += '(';
        out += velnor::quote(first);
        if (label != nullptr) {
            out += ", ";
            out += label;
            out += '=';
            out += velnor::quote(extra);
        }
        out += ')';
        result = to_python(std::string_view(out));
    } catch (const std::bad_alloc&) {
        PyErr_NoMemory();
    } catch (const std::exception& e) {
        PyErr_Format(PyExc_RuntimeError, "internal error: %s", e.what());
    }
    Py_DECREF(name_object);
    return result;
}

}  // namespace detail
}  // namespace velnor::py
