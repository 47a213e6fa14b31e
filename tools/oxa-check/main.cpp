// oxa-check: reads OXA data files the way the game reads them and says what it found.
//
//   oxa-check [--as texture|object|scene|layout|wave] [--json] FILE...
//   oxa-check --tree DIR
//
// One summary line per file, or the first error as "FILE:LINE: message". Exit status 0
// when every file was read, 1 otherwise, 2 for a wrong command line. With --tree, every
// check of a whole data tree (tree_check.h): one line per problem and a summary line.

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "data_kind.h"
#include "inspection.h"
#include "output.h"
#include "tree_check.h"

namespace {

struct Options {
    std::optional<DataKind> kind;
    bool json = false;
    std::vector<std::string> files;
};

constexpr const char* usage =
    "usage: oxa-check [--as texture|object|scene|layout|wave] [--json] FILE...\n"
    "       oxa-check --tree DIR\n"
    "Reads each data file as the game does: one line per file, or the first error as\n"
    "FILE:LINE: message. The kind of file follows from its name unless --as says it.\n";

std::optional<Options> parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--json") {
            options.json = true;
        } else if (argument == "--as" && i + 1 < argc) {
            options.kind = dataKindNamed(argv[++i]);
            if (!options.kind) return std::nullopt;
        } else if (argument == "--") {
            options.files.insert(options.files.end(), argv + i + 1, argv + argc);
            break;
        } else if (argument.starts_with("-") && argument.size() > 1) {
            return std::nullopt;
        } else {
            options.files.push_back(argument);
        }
    }
    if (options.files.empty()) return std::nullopt;
    return options;
}

int checkFiles(const Options& options) {
    std::vector<Inspection> inspections;
    bool allRead = true;
    for (const std::string& file : options.files) {
        inspections.push_back(inspectFile(file, options.kind));
        allRead = allRead && inspections.back().ok();
    }
    if (options.json) {
        writeJson(std::cout, inspections);
    } else {
        for (const Inspection& inspection : inspections)
            (inspection.ok() ? std::cout : std::cerr) << summaryLine(inspection) << "\n";
    }
    return allRead ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--tree") return checkTree(argv[2]);
    auto options = parseOptions(argc, argv);
    if (!options) {
        std::fputs(usage, stderr);
        return 2;
    }
    return checkFiles(*options);
}
