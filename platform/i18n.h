// Translation of user-visible texts through the plug-in's own gettext domain.
#pragma once

#include <libintl.h>

namespace orv {

/// The plug-in's message catalogue domain.
inline constexpr const char* kTextDomain = "orvelline";

/// Binds kTextDomain to the installed catalogues (UTF-8); once per process, on any thread.
void BindTextDomain();

}  // namespace orv

// dgettext rather than gettext: the host program owns the default domain.
#ifndef _
#define _(text) dgettext(::orv::kTextDomain, text)
#endif
