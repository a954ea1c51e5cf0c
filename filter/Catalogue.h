#pragma once

#include "text/Message.h"

#include <string>

// The command line's messages in its user's language, through gettext and the catalogue of the
// domain "vellumark9": glibc's own, so that no Qt is loaded for them.
namespace vellum::filter {

// Takes the language from the environment (LC_ALL, LC_MESSAGES, LANG and LANGUAGE) and the
// catalogues from `localeDirectory`, in which each language has <ll>/LC_MESSAGES/vellumark9.mo.
void OpenCatalogue(const std::string& localeDirectory);

// The message in the user's language, filled in; English where the catalogue has no translation.
std::string Translated(const text::Message& message);

} // namespace vellum::filter
