// app/tool/tool.cpp
#include "app/tool/tool.hpp"

#include <charconv>
#include <cstdlib>
#include <exception>
#include <map>
#include <ostream>

#include "data/number_text.hpp"

namespace tool {
namespace {

std::map<std::string, TToolCommand>& Commands() {
  static std::map<std::string, TToolCommand> commands;
  return commands;
}

// Keeps every report on one line, whatever the message held.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

void PrintOverview(std::ostream& out) {
  out << "zerith-tool: the Zerith companion for levels, effects, pictures and skins.\n\n"
         "usage: zerith-tool COMMAND [ARGS...]\n"
         "       zerith-tool COMMAND --help\n\ncommands:\n";
  for (const auto& [name, cmd] : Commands()) out << "  " << cmd.Usage << "\n";
}

}  // namespace

TToolRegistrar::TToolRegistrar(TToolCommand command) {
  std::string name = command.Name;
  Commands()[name] = std::move(command);
}

int RunTool(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintOverview(args.empty() ? err : out);
    return args.empty() ? 1 : 0;
  }
  auto it = Commands().find(args[0]);
  if (it == Commands().end()) {
    err << "zerith-tool: unknown command \"" << OneLine(args[0])
        << "\" (zerith-tool --help lists them)\n";
    return 1;
  }
  const TToolCommand& cmd = it->second;
  Args rest(args.begin() + 1, args.end());
  for (const std::string& a : rest) {
    if (a == "--help" || a == "-h") {
      out << "usage: zerith-tool " << cmd.Usage << "\n\n" << cmd.Help << "\n";
      return 0;
    }
  }
  try {
    return cmd.Run(rest, out, err);
  } catch (const UsageError& e) {
    err << "zerith-tool " << cmd.Name << ": " << OneLine(e.Message) << " (usage: zerith-tool "
        << cmd.Usage << ")\n";
  } catch (const std::bad_alloc&) {
    err << "zerith-tool " << cmd.Name << ": out of memory\n";
  } catch (const std::exception& e) {
    err << "zerith-tool " << cmd.Name << ": " << OneLine(e.what()) << "\n";
  }
  return 1;
}

std::optional<std::string> TArgReader::Option(std::string_view flag) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (used[i] || args[i] != flag) continue;
    if (i + 1 >= args.size()) throw UsageError{std::string(flag) + " needs a value"};
    used[i] = used[i + 1] = true;
    return args[i + 1];
  }
  return std::nullopt;
}

bool TArgReader::Flag(std::string_view flag) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (!used[i] && args[i] == flag) {
      used[i] = true;
      return true;
    }
  }
  return false;
}

std::vector<std::string> TArgReader::Positional(size_t min, size_t max) {
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    if (used[i]) continue;
    if (args[i].size() > 1 && args[i][0] == '-' && !(args[i][1] >= '0' && args[i][1] <= '9'))
      throw UsageError{"unknown option " + args[i]};
    rest.push_back(args[i]);
  }
  if (rest.size() < min) throw UsageError{"missing argument"};
  if (rest.size() > max) throw UsageError{"too many arguments"};
  return rest;
}

int64_t ParseIntArg(std::string_view text, std::string_view what, int64_t min, int64_t max) {
  const std::optional<int64_t> value = data::ParseStrictInteger(text);
  if (!value || *value < min || *value > max)
    throw UsageError{std::string(what) + " must be a whole number from " + std::to_string(min) +
                     " to " + std::to_string(max) + ", not \"" + std::string(text) + "\""};
  return *value;
}

double ParseDoubleArg(std::string_view text, std::string_view what) {
  double value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size())
    throw UsageError{std::string(what) + " must be a number, not \"" + std::string(text) + "\""};
  return value;
}

}  // namespace tool
