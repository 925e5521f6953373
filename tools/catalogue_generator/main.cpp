// catalogue_generator [--report] [--check] <outdir>
// Builds the three compressed catalogue texts and writes VELKORA.z, MPOLY1.z and MPOLY2.z into
// outdir. --check runs every construction and check without writing (no outdir needed);
// --report prints the measured geometry of each type. Exits 1 when a check fails.
#include "tools/catalogue_generator/checks.h"
#include "tools/catalogue_generator/errors.h"
#include "tools/catalogue_generator/generator.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

int usage() {
  std::fputs("Aufruf: catalogue_generator [--report] [--check] <Zielordner>\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool report = false;
  bool checkOnly = false;
  std::string outdir;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--report") {
      report = true;
    } else if (arg == "--check") {
      checkOnly = true;
    } else if (!arg.empty() && arg[0] != '-' && outdir.empty()) {
      outdir = arg;
    } else {
      return usage();
    }
  }
  if (outdir.empty() && !checkOnly) {
    return usage();
  }
  try {
    const auto generation = velkora::gen::generateAndCheck();
    if (report) {
      std::fputs(velkora::gen::reportTable(generation.measurements).c_str(), stdout);
    }
    for (const auto& file : generation.files) {
      std::size_t lines = 0;
      for (char c : file.text) {
        lines += c == '\n' ? 1 : 0;
      }
      std::printf("%s.z: %zu Bytes komprimiert, %zu Bytes Text, %zu Zeilen\n", file.name.c_str(),
                  file.compressed.size(), file.text.size(), lines);
    }
    if (!checkOnly) {
      velkora::gen::writeFiles(generation, outdir);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "catalogue_generator: %s\n", error.what());
    return 1;
  }
  return 0;
}
