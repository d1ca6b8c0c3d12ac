// Result classes: one heap type per language, made from a declarative table
// of attributes. Each object holds the engine's table (moved in, never
// copied); every attribute read converts the stored UTF-8 afresh.
#pragma once
#include "python.hpp"

#include <array>
#include <cstddef>
#include <memory>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velnor::py {

// ---- conversions of stored fields to Python values (new references) ----

PyObject* to_python(std::string_view s);
inline PyObject* to_python(const std::string& s) { return to_python(std::string_view(s)); }
PyObject* to_python(const std::optional<std::string>& s);
PyObject* to_python(std::span<const std::string> list);
PyObject* to_python(std::span<const std::optional<std::string>> list);
inline PyObject* to_python(const std::vector<std::string>& v) { return to_python(std::span<const std::string>(v)); }
inline PyObject* to_python(const std::vector<std::optional<std::string>>& v) {
    return to_python(std::span<const std::optional<std::string>>(v));
}
template <std::size_t N>
PyObject* to_python(const std::array<std::string, N>& a) {
    return to_python(std::span<const std::string>(a));
}
template <std::size_t N>
PyObject* to_python(const std::array<std::optional<std::string>, N>& a) {
    return to_python(std::span<const std::optional<std::string>>(a));
}
// An absent list or row reads as None.
template <class List>
PyObject* to_python(const std::optional<List>& v) {
    if (!v) Py_RETURN_NONE;
    return to_python(*v);
}

// ---- class description ----

template <class Data>
struct Attribute {
    const char* name;
    const char* doc;
    PyObject* (*read)(const Data&);
};

// One attribute row: VELNOR_ATTR(Table, present, "")
#define VELNOR_ATTR(Data, field, doc)                                                              \
    ::velnor::py::Attribute<Data> {                                                                \
        #field, doc, [](const Data& d) -> PyObject* { return ::velnor::py::to_python(d.field); } \
    }

// The seven simple tenses in the order the French, Italian, Catalan and
// Spanish classes list them; `past` names the simple past's field.
#define VELNOR_SIMPLE_TENSES(Data, past)                                                       \
    VELNOR_ATTR(Data, present, ""), VELNOR_ATTR(Data, imperfect, ""), VELNOR_ATTR(Data, past, ""),  \
        VELNOR_ATTR(Data, future, ""), VELNOR_ATTR(Data, conditional, ""),                          \
        VELNOR_ATTR(Data, subjunctive_present, ""), VELNOR_ATTR(Data, subjunctive_imperfect, "")

// The rows of the Hindi and Urdu classes, whose tables share one shape.
#define VELNOR_HINDUSTANI_ROWS(Data)                                                                   \
    VELNOR_ATTR(Data, infinitive, ""), VELNOR_ATTR(Data, oblique_infinitive, ""),                      \
        VELNOR_ATTR(Data, imperative, ""), VELNOR_ATTR(Data, subjunctive, ""),                         \
        VELNOR_ATTR(Data, future_masculine, ""), VELNOR_ATTR(Data, future_feminine, ""),               \
        VELNOR_ATTR(Data, imperfective, ""), VELNOR_ATTR(Data, perfective, "")

namespace detail {

// Makes the heap type "builtins.<name>"; raises and returns null on failure.
PyObject* make_type(const char* name, char* full_name, std::size_t full_name_size, const char* doc,
                    int basicsize, PyGetSetDef* getset, destructor dealloc, reprfunc repr);
// Records a cell that holds a made type object, for release_types().
void keep_type(PyObject** cell);
// Releases every type object made so far and empties their cells: they are
// made again on next use.
void release_types();
// Allocates an instance through the type's alloc slot.
PyObject* alloc_object(PyTypeObject* type);
// Frees an instance through its type's free slot and drops the type reference.
void free_object(PyObject* self);
// "<type name>(<first>)", or "<type name>(<first>, <label>=<extra>)" with a
// label, the fields quoted.
PyObject* make_repr(PyTypeObject* type, std::string_view first, const char* label, std::string_view extra);

template <class Data>
struct Object {
    PyObject_HEAD
    Data data;
};

}  // namespace detail

// One result class. Declared once per language as a static object; its type
// is made on first registration and kept until the module is freed.
template <class Data, std::size_t N>
class ResultClass {
public:
    using data_type = Data;
    using Repr = std::string_view (*)(const Data&);

    constexpr ResultClass(const char* name, const char* doc, std::array<Attribute<Data>, N> attributes,
                          Repr repr_field, const char* repr_label = nullptr, Repr repr_extra = nullptr)
        : name_(name), doc_(doc), attributes_(attributes), repr_field_(repr_field), repr_label_(repr_label),
          repr_extra_(repr_extra) {}

    const char* name() const { return name_; }

    // The type object (borrowed), made on first use; null with an exception
    // set when it cannot be made (a later call tries again).
    PyTypeObject* type() const {
        if (type_ == nullptr) {
            for (std::size_t i = 0; i < N; ++i) {
                getters_[i] = Getter{&attributes_[i], this};
                getset_[i] = PyGetSetDef{attributes_[i].name, &get, nullptr, attributes_[i].doc, &getters_[i]};
            }
            getset_[N] = PyGetSetDef{nullptr, nullptr, nullptr, nullptr, nullptr};
            type_ = detail::make_type(name_, full_name_, sizeof full_name_, doc_,
                                      static_cast<int>(sizeof(detail::Object<Data>)), getset_.data(), &dealloc,
                                      &repr);
            if (type_ != nullptr) detail::keep_type(&type_);
        }
        return reinterpret_cast<PyTypeObject*>(type_);
    }

    // Moves finished data into a new instance (new reference), or returns
    // null with an exception set; the data is released either way.
    PyObject* wrap(Data&& data) const {
        PyTypeObject* tp = type();
        if (tp == nullptr) return nullptr;
        PyObject* self = detail::alloc_object(tp);
        if (self == nullptr) return nullptr;
        new (&reinterpret_cast<detail::Object<Data>*>(self)->data) Data(std::move(data));
        return self;
    }

private:
    static_assert(N > 0, "a result class has attributes");

    // What an attribute's descriptor carries: the attribute and its class, so
    // that the class is found from the type object of an instance even when
    // several languages share one data type.
    struct Getter {
        const Attribute<Data>* attribute;
        const ResultClass* owner;
    };

    static const Data& data_of(PyObject* self) { return reinterpret_cast<detail::Object<Data>*>(self)->data; }

    static PyObject* get(PyObject* self, void* closure) {
        Py_INCREF(self);
        PyObject* value = static_cast<const Getter*>(closure)->attribute->read(data_of(self));
        Py_DECREF(self);
        return value;
    }

    // The class of an instance, through its type's first attribute.
    static const ResultClass& class_of(PyObject* self) {
        auto* getset = static_cast<PyGetSetDef*>(PyType_GetSlot(Py_TYPE(self), Py_tp_getset));
        return *static_cast<const Getter*>(getset[0].closure)->owner;
    }

    static void dealloc(PyObject* self) {
        std::destroy_at(&reinterpret_cast<detail::Object<Data>*>(self)->data);
        detail::free_object(self);
    }

    static PyObject* repr(PyObject* self) {
        const ResultClass& c = class_of(self);
        const Data& d = data_of(self);
        return detail::make_repr(Py_TYPE(self), c.repr_field_(d), c.repr_label_,
                                 c.repr_extra_ ? c.repr_extra_(d) : std::string_view{});
    }

    const char* name_;
    const char* doc_;
    std::array<Attribute<Data>, N> attributes_;
    Repr repr_field_;
    const char* repr_label_;
    Repr repr_extra_;
    mutable std::array<Getter, N> getters_{};
    mutable std::array<PyGetSetDef, N + 1> getset_{};
    mutable PyObject* type_ = nullptr;
    // "builtins.<name>": the interpreter keeps pointing at this text.
    mutable char full_name_[96] = {};
};

}  // namespace velnor::py
