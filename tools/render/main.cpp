// brinmora-render: the picture pipeline without a window. Each subcommand
// lives in a file of its own and registers itself through RenderCommand.h.
#include <cstdio>
#include <map>
#include <new>
#include <string>
#include <vector>

#include "RenderCommand.h"

namespace {
struct Entry {
  std::string usage;
  RenderCommandFn fn;
};
std::map<std::string, Entry>& Commands() {
  static std::map<std::string, Entry> commands;
  return commands;
}
}  // namespace

RenderCommandRegistrar::RenderCommandRegistrar(const char* name, const char* usage, RenderCommandFn fn) {
  Commands()[name] = Entry{usage, fn};
}

int main(int argc, char** argv) {
  if (argc < 2 || Commands().find(argv[1]) == Commands().end()) {
    std::fprintf(stderr, "usage: brinmora-render COMMAND ...\n");
    for (const auto& [name, entry] : Commands()) std::fprintf(stderr, "  brinmora-render %s\n", entry.usage.c_str());
    return 2;
  }
  std::vector<std::string> args(argv + 2, argv + argc);
  try {
    return Commands()[argv[1]].fn(args);
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "brinmora-render %s: not enough memory\n", argv[1]);
    return 1;
  }
}
