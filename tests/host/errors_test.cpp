// The error stop and its debugger protocol, signals and the fatal paths,
// each in a child process since they end it.
#include <gtest/gtest.h>

#include "support/child.h"

namespace {

ChildResult Probe(const std::vector<std::string>& args, const std::string& input = "") {
  std::vector<std::string> argv = {BuiltProgram("host_probe")};
  argv.insert(argv.end(), args.begin(), args.end());
  ChildOptions o;
  o.input = input;
  return RunChild(argv, o);
}

const std::string kStop = "{{~~(null)~~}}\n\n";

TEST(ErrorStop, EmptyMessageIsANormalEnd) {
  ChildResult r = Probe({"error", ""});
  ASSERT_TRUE(r.exited);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
}

TEST(ErrorStop, DebuggerAnswers) {
  const std::string line = "Quibex Runtime Error : Image already initialized\n\n";
  struct Case {
    const char* name;
    std::string input;
    int status;
    std::string out, err;
  } cases[] = {
      {"closed input", "", 255, line, kStop},
      {"quit", "q\n", 0, line, kStop},
      {"run again repeats the stop", "r\nq\n", 0, line + line, kStop + kStop},
      {"step and leave also repeat", "s\ne\nl\nq\n", 0, line + line + line + line, kStop + kStop + kStop + kStop},
      {"query keeps reading", "?\nq\n", 0, line, kStop},
      {"object request gets an empty line", "@12345\nq\n", 0, line, kStop + "\n"},
      {"unknown answer", "xyz\n", 255, line + "????? xyz ?????", kStop},
      {"line without newline", "q", 255, line, kStop},
      {"line too long", std::string(300, 'q') + "\n", 255, line, kStop},
  };
  for (const Case& c : cases) {
    ChildResult r = Probe({"error", "Image already initialized"}, c.input);
    ASSERT_TRUE(r.exited) << c.name;
    EXPECT_EQ(r.status, c.status) << c.name;
    EXPECT_EQ(r.out, c.out) << c.name;
    EXPECT_EQ(r.err, c.err) << c.name;
  }
}

TEST(ErrorStop, FatalSignalsReportTheirMessage) {
  struct Case {
    const char* signal;
    const char* message;
  } cases[] = {
      {"SEGV", "Memory access violation"},
      {"ILL", "Illegal instruction"},
      {"FPE", "Floating point exception"},
  };
  for (const Case& c : cases) {
    ChildResult r = Probe({"signal", c.signal});
    ASSERT_TRUE(r.exited) << c.signal;
    EXPECT_EQ(r.status, 255) << c.signal;
    EXPECT_EQ(r.out, std::string("Quibex Runtime Error : ") + c.message + "\n\n") << c.signal;
  }
}

TEST(ErrorStop, SecondApplicationAndUncaughtExceptionAreFatal) {
  ChildResult twice = Probe({"app-twice"});
  EXPECT_EQ(twice.status, 255);
  EXPECT_EQ(twice.out, "Quibex Runtime Error : App has already been created\n\n");

  // An escaping game exception skips the debugger protocol.
  ChildResult die = Probe({"die"}, "q\n");
  EXPECT_EQ(die.status, 255);
  EXPECT_EQ(die.out, "Quibex Runtime Error : Uncaught Quibex Exception\n");
  EXPECT_EQ(die.err, "");
}

TEST(Print, WritesUtf8AndANewline) {
  ChildResult r = Probe({"print-c4"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "\xC3\x84\n");
}

}  // namespace
