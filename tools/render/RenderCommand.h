#pragma once
// Subcommands of brinmora-render register themselves here, one file each:
//   static RenderCommandRegistrar reg("fit", "fit --screen WxH ... IN OUT.png", RunFit);
// A command returns the exit status; it gets the arguments after its name.
#include <string>
#include <vector>

using RenderCommandFn = int (*)(const std::vector<std::string>& args);

struct RenderCommandRegistrar {
  RenderCommandRegistrar(const char* name, const char* usage, RenderCommandFn fn);
};
