#include "launcher/hint_memos.h"

#include "launcher/hint_texts.h"

namespace demodisc {

int HintMemoHeight(int page) {
  switch (page) {
    case hpDemo:
      return 110;  // Mm_Demo
    case hpPresent:
      return 94;  // Mm_Hint
    case hpUser:
      return 118;  // Mm_use
    case hpVideo:
      return 110;  // Mm_Video
    default:
      return 0;
  }
}

MemoCapacity HintMemoCapacity(int page) {
  return EstimateMemoCapacity(kCataloguePageWidth, HintMemoHeight(page));
}

}  // namespace demodisc
