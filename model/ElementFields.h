#pragma once
// The fields of the elements of a repeated group's list (RepeatedSections), made from a pointer
// to the member: a number of any width, and a UTF-16 text given as its code page 932 bytes (the
// HexText row) and as its exact form (the ExactHexText row after it).
#include <string>

#include "model/SettingsTable.h"

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
