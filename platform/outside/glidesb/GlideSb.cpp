#include "glidesb/GlideSb.h"

#include "journal/Journal.h"

namespace GlideSbInterface {
void SetGlobalVisualTheme(int theme) {
  ::KVOUTSIDE::CJournal::Instance().Record(L"GlideSbInterface", L"", L"SetGlobalVisualTheme",
                                           {::KVOUTSIDE::JournalArg(theme)});
}
}  // namespace GlideSbInterface
