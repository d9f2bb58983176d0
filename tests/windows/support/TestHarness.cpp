#include "support/TestHarness.h"

#include <cstdio>
#include <cstring>
#include <exception>

namespace orbidate::wintest {
namespace {

std::vector<std::string>& Scopes() {
  static std::vector<std::string> scopes;
  return scopes;
}

bool gCaseFailed = false;

}  // namespace

std::vector<TestCase>& Registry() {
  static std::vector<TestCase> registry;
  return registry;
}

Scope::Scope(std::string text) { Scopes().push_back(std::move(text)); }
Scope::~Scope() { Scopes().pop_back(); }

void ReportFailure(const char* file, int line, const std::string& message) {
  gCaseFailed = true;
  std::printf("%s:%d: %s\n", file, line, message.c_str());
  for (const std::string& scope : Scopes()) std::printf("    in: %s\n", scope.c_str());
  std::fflush(stdout);
}

bool CurrentCaseFailed() { return gCaseFailed; }

int RunAll(int argc, char** argv) {
  // Arguments select cases by name prefix; none runs all.
  int passed = 0, failed = 0;
  for (const TestCase& test : Registry()) {
    bool selected = argc < 2;
    for (int i = 1; i < argc; ++i) selected |= std::strncmp(test.name, argv[i], std::strlen(argv[i])) == 0;
    if (!selected) continue;
    std::printf("[ RUN  ] %s\n", test.name);
    std::fflush(stdout);
    gCaseFailed = false;
    try {
      test.body();
    } catch (const RequireFailed&) {
    } catch (const std::exception& e) {
      ReportFailure(__FILE__, __LINE__, std::string("exception: ") + e.what());
    }
    Scopes().clear();
    std::printf("[ %s ] %s\n", gCaseFailed ? "FAIL" : " OK ", test.name);
    (gCaseFailed ? failed : passed)++;
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 && passed > 0 ? 0 : 1;
}

}  // namespace orbidate::wintest
