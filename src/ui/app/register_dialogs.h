#pragma once
// The input dialogs the program registers for the model's EditInput
// (core/editors.h).
namespace kav {

void RegisterDialogs();

}  // namespace kav
