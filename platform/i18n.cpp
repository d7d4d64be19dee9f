#include "platform/i18n.h"

#include <mutex>

namespace orv {

void BindTextDomain() {
  static std::once_flag bound;
  std::call_once(bound, [] {
    bindtextdomain(kTextDomain, ORV_LOCALEDIR);
    bind_textdomain_codeset(kTextDomain, "UTF-8");
  });
}

}  // namespace orv
