#pragma once
// The one field mechanism of the settings table: a field of a record, reached through a pointer
// to the record (a caption item, a data source, a lane's look, the remote's settings), made from
// a pointer to the member: a number of any width, a text as it is, and a UTF-16 text given as
// its code page 932 bytes (the text row) and as its exact form (the ExactHexText row after it).
#include <string>

// A field as a number (numbers), or as a text (a UTF-16 field gives and takes its code page 932
// bytes there, and its exact text as `wideText`).
struct ElementField {
    int (*number)(const void* element);
    void (*setNumber)(void* element, int);
    std::string (*text)(const void* element);
    void (*setText)(void* element, const std::string&);
    std::wstring (*wideText)(const void* element);
    void (*setWideText)(void* element, const std::wstring&);
};

namespace element_fields {
template <typename> struct MemberOf;
template <typename R, typename T> struct MemberOf<T R::*> {
    using Record = R;
    using Type = T;
};
// Code page 932 bytes as UTF-16 in one conversion: the texts of a long list are widened as it
// loads, and the conversion is the costly part.
std::wstring wideFromCodePage932(const std::string& bytes);
std::string codePage932FromWide(const std::wstring& text);
}  // namespace element_fields

template <auto Member> ElementField elementNumber() {
    using Record = typename element_fields::MemberOf<decltype(Member)>::Record;
    using Type = typename element_fields::MemberOf<decltype(Member)>::Type;
    return {[](const void* e) { return static_cast<int>(static_cast<const Record*>(e)->*Member); },
            [](void* e, int value) { static_cast<Record*>(e)->*Member = static_cast<Type>(value); },
            nullptr, nullptr, nullptr, nullptr};
}

template <auto Member> ElementField elementText() {
    using Record = typename element_fields::MemberOf<decltype(Member)>::Record;
    return {nullptr,
            nullptr,
            [](const void* e) { return static_cast<const Record*>(e)->*Member; },
            [](void* e, const std::string& value) { static_cast<Record*>(e)->*Member = value; },
            nullptr,
            nullptr};
}

template <auto Member> ElementField elementWideText() {
    using Record = typename element_fields::MemberOf<decltype(Member)>::Record;
    return {nullptr,
            nullptr,
            [](const void* e) { return element_fields::codePage932FromWide(static_cast<const Record*>(e)->*Member); },
            [](void* e, const std::string& value) {
                static_cast<Record*>(e)->*Member = element_fields::wideFromCodePage932(value);
            },
            [](const void* e) { return static_cast<const Record*>(e)->*Member; },
            [](void* e, const std::wstring& value) { static_cast<Record*>(e)->*Member = value; }};
}
