// A small test harness for the Windows-side tests.
//
// These programs are built with the same MinGW compiler and runtime as the
// plug-in (win32 thread model, no libwinpthread), which Debian's GoogleTest
// does not build with; what they need of a test framework is this much.
// Cases register themselves; CHECK and CHECK_EQ report the file, line,
// values and the SCOPE trail, and go on; REQUIRE stops the case. The run
// ends with "N passed, N failed".
#pragma once

#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace orbidate::wintest {

struct TestCase {
  const char* name;
  void (*body)();
};

std::vector<TestCase>& Registry();
void ReportFailure(const char* file, int line, const std::string& message);
bool CurrentCaseFailed();

struct Registrar {
  Registrar(const char* name, void (*body)()) { Registry().push_back({name, body}); }
};

// A line of context printed with every failure inside its lifetime.
class Scope {
 public:
  explicit Scope(std::string text);
  template <class T>
  Scope(const char* label, const T& value) : Scope(Describe(label, value)) {}
  ~Scope();
  Scope(const Scope&) = delete;
  Scope& operator=(const Scope&) = delete;

 private:
  template <class T>
  static std::string Describe(const char* label, const T& value) {
    std::ostringstream out;
    out << label << " = " << value;
    return out.str();
  }
};

struct RequireFailed {};

template <class A, class B>
bool CheckEqual(const A& a, const B& b, const char* as, const char* bs, const char* file, int line) {
  if (a == b) return true;
  std::ostringstream out;
  out << "expected " << as << " == " << bs << "\n    actual:   " << a << "\n    expected: " << b;
  ReportFailure(file, line, out.str());
  return false;
}

int RunAll(int argc, char** argv);

}  // namespace orbidate::wintest

#define WT_CONCAT2(a, b) a##b
#define WT_CONCAT(a, b) WT_CONCAT2(a, b)
#define TEST_CASE(name)                                                                          \
  static void name();                                                                            \
  static const ::orbidate::wintest::Registrar WT_CONCAT(registrar_, name)(#name, &name);         \
  static void name()
#define SCOPE(...) ::orbidate::wintest::Scope WT_CONCAT(scope_, __LINE__)(__VA_ARGS__)
#define CHECK(cond) \
  ((cond) ? true : (::orbidate::wintest::ReportFailure(__FILE__, __LINE__, "check failed: " #cond), false))
#define CHECK_EQ(a, b) ::orbidate::wintest::CheckEqual((a), (b), #a, #b, __FILE__, __LINE__)
#define REQUIRE(cond) \
  do {                                                     \
    if (!CHECK(cond)) throw ::orbidate::wintest::RequireFailed{}; \
  } while (0)
#define REQUIRE_EQ(a, b) \
  do {                                                     \
    if (!CHECK_EQ(a, b)) throw ::orbidate::wintest::RequireFailed{}; \
  } while (0)
