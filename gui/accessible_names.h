// The form's boxes named for screen readers and automation tools (form/box_names.h says
// what each is called), through the system's own accessibility layer.
#pragma once

#include <span>

#include "gui/form_widgets.h"

class wxString;
class wxWindow;

// Names every text box and goods picker among the form's `widgets` and ties each to the
// label made for the template entry tied to it, where one fits. Tab order, places and
// looks stay as they are.
void NameBoxesForAssistiveTechnology(std::span<const FormWidget> widgets);

// Each system's part: gives `box` the name `name` and, when `label` is not null, ties the
// two so the reader can go from the box to its label and back; where the system would
// announce one focus move twice, it sees to one notice. False when the system refused any.
bool SetAccessibleName(wxWindow& box, const wxString& name, wxWindow* label);
