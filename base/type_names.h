#pragma once
// The readable name of a class type, for messages that name a failure's kind.

#include <string>

// The name std::type_info::name() gives (the C++ ABI's mangled form) written
// as the source spells it: "St9bad_alloc" is "std::bad_alloc",
// "N4base7FailureE" is "base::Failure". Only classes named through namespaces
// and classes are read; any other form (a template, a local class) comes back
// unchanged.
std::string ReadableTypeName(const std::string& mangled);
