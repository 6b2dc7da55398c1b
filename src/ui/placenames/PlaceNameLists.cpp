#include "ui/placenames/PlaceNameLists.h"

#include "model/DeviceCatalogue.h"
#include "qt/Latin1.h"

namespace kelvane {

QStringList StandardPlaceNameTexts() {
    QStringList texts;
    for (int index = 0; index < kStandardPlaceNameCount; ++index) texts << Latin1(StandardPlaceName(index));
    return texts;
}

QStringList CustomPlaceNameTexts(const TCustomNameList& names) {
    QStringList texts;
    for (int index = 0; index < kCustomPlaceNameCount; ++index)
        texts << (index < names.Count() ? Latin1(names.Item(index).Name) : QString());
    return texts;
}

}  // namespace kelvane
