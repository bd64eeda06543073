// kavdb: the data files (kav.dat, egendef.dat, kav.cli, kav.cst) as JSON and
// back. "dump" reads a file as the program reads it and prints every stored
// field; "build" writes the file from JSON as the program writes it, so that
// dump followed by build gives the same bytes.
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "cli/db_json.h"
#include "cli/exit_codes.h"
#include "core/archive.h"
#include "core/file_io.h"

namespace {

using kav::cli::DataFileContents;
using kav::cli::DataFileKind;

using kav::cli::kExitFileError;
using kav::cli::kExitOk;
using kav::cli::kExitUsage;

const char* const kUsage =
    "Bruk: kavdb dump FIL [--kind TYPE]\n"
    "      kavdb build JSON -o FIL [--kind TYPE]\n"
    "Gjør datafilene til KAV (kav.dat, egendef.dat, kav.cli, kav.cst) om til JSON og tilbake.\n"
    "\n"
    "  dump FIL           skriv FIL som JSON til standard ut, med alle lagrede felt\n"
    "  build JSON -o FIL  skriv datafilen FIL fra JSON (- leser standard inn); felt som\n"
    "                     mangler, får standardverdien til klassen sin\n"
    "  --kind TYPE        filtypen: dat (produktdatabasen), egendef (egne produkter),\n"
    "                     cli (klimasteder) eller cst (isolasjonskostnader). JSON fra dump\n"
    "                     oppgir selv typen (\"Kind\"); ellers gir --kind eller filnavnet\n"
    "                     typen: egendef.dat, andre *.dat, *.cli, *.cst\n"
    "  --version          vis programversjonen\n"
    "  --help             vis denne hjelpen\n"
    "\n"
    "Avslutningskode: 0 utført; 1 en fil kunne ikke leses, er skadet eller kunne ikke\n"
    "skrives; 2 feil bruk.\n";

struct Options {
  std::string command;  // "dump" or "build"
  std::string input;
  std::optional<std::string> output;
  std::optional<DataFileKind> kind;
  bool help = false;
  bool version = false;
};

struct Parsed {
  std::optional<Options> options;
  std::string error;
};

Parsed ParseArgs(const std::vector<std::string>& args) {
  Options options;
  auto fail = [](std::string error) { return Parsed{std::nullopt, std::move(error)}; };
  std::vector<std::string> operands;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "-o" || arg == "--kind") {
      if (i + 1 >= args.size()) return fail(arg + " trenger en verdi");
      const std::string& value = args[++i];
      if (arg == "-o") {
        if (options.output) return fail("-o kan bare oppgis én gang");
        options.output = value;
      } else {
        options.kind = kav::cli::KindFromWord(value);
        if (!options.kind)
          return fail("--kind tar dat, egendef, cli eller cst, ikke \"" + value + "\"");
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      return fail("ukjent valg " + arg);
    } else {
      operands.push_back(arg);
    }
  }
  if (options.help || options.version) return {options, {}};
  if (operands.empty()) return fail("kommandoen mangler (dump eller build)");
  options.command = operands[0];
  if (options.command != "dump" && options.command != "build") {
    return fail("ukjent kommando " + options.command + " (dump eller build)");
  }
  if (operands.size() < 2) return fail(options.command + ": filen mangler");
  if (operands.size() > 2) return fail(options.command + ": bare én fil kan oppgis");
  options.input = operands[1];
  if (options.command == "dump" && options.output)
    return fail("dump skriver til standard ut; -o hører til build");
  if (options.command == "build" && !options.output) return fail("build: -o FIL mangler");
  return {options, {}};
}

int Dump(const Options& options, DataFileKind kind) {
  std::string error;
  std::optional<std::vector<std::uint8_t>> bytes = kav::ReadFileBytes(options.input, &error);
  if (!bytes) {
    std::cerr << "kavdb: kan ikke lese " << options.input << ": " << error << "\n";
    return kExitFileError;
  }
  DataFileContents contents(kind);
  try {
    const std::size_t left = kav::cli::DecodeContents(contents, std::move(*bytes), options.input);
    if (left != 0) {
      // The program reads such a file and ignores the rest; so does dump.
      std::cerr << "kavdb: advarsel: " << options.input << ": " << left
                << " byte etter dataene blir ikke tatt med\n";
    }
  } catch (const kav::ArchiveError& e) {
    std::cerr << "kavdb: skadet fil: " << e.what() << "\n";
    return kExitFileError;
  }
  std::cout << kav::cli::JsonText(kav::cli::ContentsToJson(contents));
  if (!std::cout.flush()) {
    std::cerr << "kavdb: kan ikke skrive til standard ut\n";
    return kExitFileError;
  }
  return kExitOk;
}

// The JSON text of `build`, parsed; nothing when it cannot be read (said on
// stderr).
std::optional<kav::cli::Json> ReadJson(const std::string& source, const std::string& name) {
  std::string text;
  if (source == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else {
    std::string error;
    std::optional<std::vector<std::uint8_t>> bytes = kav::ReadFileBytes(source, &error);
    if (!bytes) {
      std::cerr << "kavdb: kan ikke lese " << source << ": " << error << "\n";
      return std::nullopt;
    }
    text.assign(bytes->begin(), bytes->end());
  }
  try {
    return kav::cli::Json::parse(text);
  } catch (const kav::cli::Json::exception& e) {
    std::cerr << "kavdb: " << name << ": ugyldig JSON: " << e.what() << "\n";
    return std::nullopt;
  }
}

int Build(const Options& options, const kav::cli::Json& json, const std::string& name,
          DataFileKind kind) {
  DataFileContents contents(kind);
  try {
    kav::cli::ContentsFromJson(contents, json);
  } catch (const kav::cli::JsonMappingError& e) {
    std::cerr << "kavdb: " << name << ": " << e.what() << "\n";
    return kExitFileError;
  }
  std::string error;
  if (!kav::WriteFileAtomically(*options.output, kav::cli::EncodeContents(contents), &error)) {
    std::cerr << "kavdb: kan ikke skrive " << *options.output << ": " << error << "\n";
    return kExitFileError;
  }
  return kExitOk;
}

int UnknownKind(const std::string& binary) {
  std::cerr << "kavdb: filtypen til " << binary
            << " går ikke fram av navnet; oppgi --kind dat|egendef|cli|cst\n"
            << "Se kavdb --help.\n";
  return kExitUsage;
}

// The kind of a build: the one the JSON states, else --kind, else the output
// file's name. A --kind that contradicts the JSON is an error.
int Build(const Options& options) {
  const std::string name = options.input == "-" ? "standard inn" : options.input;
  const std::optional<kav::cli::Json> json = ReadJson(options.input, name);
  if (!json) return kExitFileError;
  std::optional<DataFileKind> stated;
  try {
    stated = kav::cli::KindInJson(*json);
  } catch (const kav::cli::JsonMappingError& e) {
    std::cerr << "kavdb: " << name << ": " << e.what() << "\n";
    return kExitFileError;
  }
  if (stated && options.kind && *stated != *options.kind) {
    std::cerr << "kavdb: " << name << " er en \"" << kav::cli::KindWord(*stated)
              << "\"-fil, men --kind sier \"" << kav::cli::KindWord(*options.kind) << "\"\n";
    return kExitUsage;
  }
  const std::optional<DataFileKind> kind = stated ? stated
                                           : options.kind
                                               ? options.kind
                                               : kav::cli::KindFromFileName(*options.output);
  if (!kind) return UnknownKind(*options.output);
  return Build(options, *json, name, *kind);
}

}  // namespace

int main(int argc, char** argv) {
  const Parsed parsed = ParseArgs(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.options) {
    std::cerr << "kavdb: " << parsed.error << "\n"
              << "Se kavdb --help.\n";
    return kExitUsage;
  }
  const Options& options = *parsed.options;
  if (options.help) {
    std::cout << kUsage;
    return kExitOk;
  }
  if (options.version) {
    std::cout << "kavdb " << KAV_VERSION << "\n";
    return kExitOk;
  }
  if (options.command == "build") return Build(options);
  // The file read by dump names its kind, unless --kind does.
  const std::optional<DataFileKind> kind =
      options.kind ? options.kind : kav::cli::KindFromFileName(options.input);
  if (!kind) return UnknownKind(options.input);
  return Dump(options, *kind);
}
