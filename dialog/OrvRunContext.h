#pragma once
// Everything one run owns: created at the start of the dialog run or of the
// render without dialog, destroyed before that function returns. It grows with
// the dialog, the mapping stage and the output tables.
class OrvRunContext {
 public:
  OrvRunContext() = default;
  OrvRunContext(const OrvRunContext&) = delete;
  OrvRunContext& operator=(const OrvRunContext&) = delete;
};
