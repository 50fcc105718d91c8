// frmAbout as data: the About box, its labels, its three address fields and
// its button, in the order and units a designer reads them. The window
// builder makes the real window from this; the tests make a headless one.
#pragma once

#include "forms/form_description.h"
#include "ui/command_id.h"

namespace hovrel {

extern const FormDescription kAboutForm;

}  // namespace hovrel
