#include "base/type_names.h"

#include <cxxabi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <stdexcept>
#include <typeinfo>

#include "base/failure.h"

struct GlobalKind {};
namespace outer::inner {
struct DeepKind {};
}  // namespace outer::inner
namespace {
struct HiddenKind {};
}  // namespace
template <typename T>
struct TemplateKind {};

namespace {

// The C++ runtime's own demangler is the truth for every class name.
std::string RuntimeDemangled(const char* mangled) {
  int status = 0;
  char* readable = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  const std::string result = status == 0 ? readable : "";
  std::free(readable);
  return result;
}

class ReadableTypeNameRule : public testing::TestWithParam<const std::type_info*> {};

TEST_P(ReadableTypeNameRule, NamesAClassAsTheRuntimeDemanglerDoes) {
  EXPECT_EQ(ReadableTypeName(GetParam()->name()), RuntimeDemangled(GetParam()->name()));
}

INSTANTIATE_TEST_SUITE_P(Classes, ReadableTypeNameRule,
                         testing::Values(&typeid(Failure), &typeid(std::bad_alloc),
                                         &typeid(std::runtime_error), &typeid(GlobalKind),
                                         &typeid(outer::inner::DeepKind), &typeid(HiddenKind)));

TEST(ReadableTypeName, GivesOtherFormsUnchanged) {
  for (const char* mangled : {typeid(TemplateKind<int>).name(), "", "N4base", "St", "9bad", "5a"})
    EXPECT_EQ(ReadableTypeName(mangled), mangled);
}

}  // namespace
