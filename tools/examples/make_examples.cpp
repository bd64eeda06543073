// Writes the example documents under examples/ with the shipped data:
//   make_examples DATA_DIR OUT_DIR
// Each example is built through the document, calculated and saved exactly
// as the program saves; a test runs this again and compares the bytes.
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "core/console_platform.h"
#include "core/data_directory.h"
#include "examples.h"

int main(int argc, char** argv) {
  using namespace kav;
  if (argc != 3) {
    std::fprintf(stderr, "bruk: make_examples DATAMAPPE UTMAPPE\n");
    return 2;
  }
  ConsolePlatform platform("make_examples", true, std::cerr);
  SetPlatform(&platform);
  SetDataDirectory(argv[1]);
  const std::filesystem::path out(argv[2]);
  std::vector<examples::Example> all = examples::HeatLossExamples();
  for (examples::Example& example : examples::CondensationExamples()) all.push_back(example);
  for (examples::Example& example : examples::SoundTrapExamples()) all.push_back(example);
  for (examples::Example& example : examples::TankExamples()) all.push_back(example);
  for (examples::Example& example : examples::EconomyExamples()) all.push_back(example);
  for (examples::Example& example : examples::FlowingMediumExamples()) all.push_back(example);
  for (examples::Example& example : examples::FrostExamples()) all.push_back(example);
  CKavDoc doc;
  for (const examples::Example& example : all) {
    doc.NewDocument();
    doc.Project().ProjectName = example.project;
    doc.Project().Engineer = "Eksempel";
    example.build(doc);
    CKavModul& module = doc.Module(example.module);
    module.Calculate();
    if (!module.ResultsValid) {
      std::fprintf(stderr, "make_examples: %s does not calculate\n", example.file);
      return 1;
    }
    doc.SetActiveModule(example.module);
    if (!doc.Save(out / example.file)) return 1;
  }
  return 0;
}
