#include "cli/kavcalc_options.h"

#include <charconv>

namespace kav::cli {

const char* const kKavcalcUsage =
    "Bruk: kavcalc [VALG] DOK.kav [DOK.kav ...]\n"
    "Åpner et KAV-dokument, beregner modulene og skriver ut en modulside. Flere dokumenter\n"
    "skrives ut etter hverandre i samme kjøring (med -o i samme fil; som JSON en liste med\n"
    "ett element per dokument); --save og --pdf tar bare ett dokument.\n"
    "\n"
    "  --data MAPPE        les kav.dat, egendef.dat, kav.cli og kav.cst fra MAPPE\n"
    "  --page N            skriv ut siden til modul N (0..7) i stedet for den aktive modulen\n"
    "  --all               skriv ut alle åtte sidene i modulrekkefølge\n"
    "  -o FIL              skriv til FIL i stedet for standard ut\n"
    "  --save UT.kav       lagre dokumentet til UT.kav etter åpning, slik \"Lagre\" gjør\n"
    "  --answer ok|cancel  hvordan spørsmål besvares (standard ok)\n"
    "  --format text|json  text: programmets egen teksteksport; json: de samme sideelementene\n"
    "                      som JSON\n"
    "  --pdf FIL           skriv siden ut til en PDF-fil slik skrivebordsprogrammet skriver ut\n"
    "  --version           vis programversjonen\n"
    "  --help              vis denne hjelpen\n"
    "\n"
    "Modulene: 0 varmetap, 1 strømmende medier, 2 tanktemperatur, 3 utvendig kondensering,\n"
    "4 innvendig kondensering, 5 frostbeskyttelse, 6 lydfelle, 7 økonomi.\n"
    "Avslutningskode: 0 åpnet og skrevet ut; 1 et dokument eller en fil kunne ikke leses\n"
    "eller skrives; 2 feil bruk.\n";

ParsedKavcalcArgs ParseKavcalcArgs(const std::vector<std::string>& args) {
  KavcalcOptions options;
  auto fail = [](std::string error) { return ParsedKavcalcArgs{std::nullopt, std::move(error)}; };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    std::string v;
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--all") {
      options.allPages = true;
    } else if (arg == "--data" || arg == "-o" || arg == "--save" || arg == "--pdf" ||
               arg == "--page" || arg == "--answer" || arg == "--format") {
      if (!value(v)) return fail(arg + " trenger en verdi");
      if (arg == "--data") {
        options.dataDirectory = v;
      } else if (arg == "-o") {
        options.output = v;
      } else if (arg == "--save") {
        options.saveAs = v;
      } else if (arg == "--pdf") {
        options.pdf = v;
      } else if (arg == "--page") {
        int page = -1;
        auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), page);
        if (ec != std::errc() || end != v.data() + v.size() || page < 0 || page > 7) {
          return fail("--page tar et modulnummer fra 0 til 7, ikke \"" + v + "\"");
        }
        options.page = page;
      } else if (arg == "--answer") {
        if (v != "ok" && v != "cancel") return fail("--answer tar ok eller cancel");
        options.answerOk = v == "ok";
      } else {
        if (v == "text") {
          options.format = ExportFormat::Text;
        } else if (v == "json") {
          options.format = ExportFormat::Json;
        } else {
          return fail("--format tar text eller json");
        }
      }
    } else if (!arg.empty() && arg[0] == '-') {
      return fail("ukjent valg " + arg);
    } else {
      options.documents.push_back(arg);
    }
  }
  if (options.help || options.version) return {options, {}};
  if (options.documents.empty()) return fail("dokumentet mangler");
  if (options.documents.size() > 1 && (options.saveAs || options.pdf))
    return fail("--save og --pdf tar bare ett dokument");
  if (options.page && options.allPages) return fail("--page og --all kan ikke brukes sammen");
  return {options, {}};
}

}  // namespace kav::cli
