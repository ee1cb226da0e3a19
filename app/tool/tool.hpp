// app/tool/tool.hpp — zerith-tool's command table. Each command file registers its commands
// with a static TToolCommand; RunTool dispatches on the first argument.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tool {

using Args = std::vector<std::string>;

struct TToolCommand {
  std::string Name;
  std::string Usage;  // "list ARCHIVE"
  std::string Help;   // one paragraph, shown by "zerith-tool NAME --help"
  int (*Run)(const Args& args, std::ostream& out, std::ostream& err);  // args without the name
};

// Registers at static-initialisation time; define one per command at namespace scope.
struct TToolRegistrar {
  explicit TToolRegistrar(TToolCommand command);
};

// Runs "NAME ARGS..."; returns the exit status. Errors become one line on err and status 1.
int RunTool(const Args& args, std::ostream& out, std::ostream& err);

// Bad command lines: thrown by commands, reported like any other error.
struct UsageError {
  std::string Message;
};

// Small argument reader shared by the commands: options may stand anywhere.
class TArgReader {
 public:
  explicit TArgReader(const Args& args) : args(args), used(args.size(), false) {}
  // The value after "--name" (or "-o"), removed from the positional list; none if absent.
  std::optional<std::string> Option(std::string_view flag);
  bool Flag(std::string_view flag);
  // What is left once the options were taken; raises UsageError when there are fewer than min
  // or more than max.
  std::vector<std::string> Positional(size_t min, size_t max);

 private:
  const Args& args;
  std::vector<bool> used;
};

// A strict whole number (data::ParseStrictInteger) in min..max; a UsageError names `what`.
int64_t ParseIntArg(std::string_view text, std::string_view what, int64_t min, int64_t max);
double ParseDoubleArg(std::string_view text, std::string_view what);

}  // namespace tool
