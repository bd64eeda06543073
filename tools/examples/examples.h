#pragma once
// The example documents: each is built through the document with the
// shipped data, calculated and saved as the program saves. One file per
// module adds its examples.
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "core/object_list.h"
#include "data/sub_list.h"
#include "modules/insulation/isolasjon.h"
#include "modules/insulation/tilleggsutstyr.h"
#include "modules/kav_doc.h"

namespace kav::examples {

struct Example {
  const char* file;
  const char* project;
  int module;  // the module shown, whose results the example must have
  std::function<void(CKavDoc&)> build;
};

std::vector<Example> HeatLossExamples();
std::vector<Example> CondensationExamples();
std::vector<Example> SoundTrapExamples();
std::vector<Example> TankExamples();
std::vector<Example> EconomyExamples();
std::vector<Example> FlowingMediumExamples();
std::vector<Example> FrostExamples();

// The row of `list` named `name`; stops the program when the shipped data
// has none.
template <class T>
T* Row(const TypedList<T>& list, const std::string& name) {
  T* row = list.FindByName(name);
  if (row == nullptr) {
    std::fprintf(stderr, "make_examples: \"%s\" is not in the database\n", name.c_str());
    std::exit(1);
  }
  return row;
}

// A layer of a standard product with one of its standard thicknesses.
void StandardLayer(CIsolasjon& layer, const std::string& product, const std::string& thickness);
// `count` accessories of the shipped type `type` at the end of `list`.
void AddAccessory(SubList<CTilleggsutstyr>& list, const std::string& type, int count);

}  // namespace kav::examples
