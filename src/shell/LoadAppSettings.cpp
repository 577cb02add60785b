#include "shell/LoadAppSettings.h"

#include "data/NumberFormats.h"
#include "masterdata/Captions.h"
#include "shell/AppSettings.h"
#include "shell/Company.h"
#include "shell/KeyValue.h"
#include "shell/KeyValue2.h"

void LoadAppSettings() {
    AppCompany().LoadCompany();
    const TKeyValue& kv = AppKeyValue();
    TCaptions& captions = AppCaptions();
    int count = 0;
    const int* keys = TCaptions::Keys(&count);
    for (int i = 0; i < count; ++i)
        *captions.ForKey(keys[i]) = kv.GetStr(keys[i], QString());
    TAppSettings& settings = AppSettings();
    settings.NegativeStockControl = kv.GetInt(15, 0);
    TKeyValue2& kv2 = AppKeyValue2();
    settings.SupplierSearchIndex = kv2.ReadInt(37);
    settings.ClientSearchIndex = kv2.ReadInt(38);
    settings.WareSearchIndex = kv2.ReadInt(39);
    settings.AllowDuplicateWares = kv.GetBool(40, true);
    SetNumberFormats(kv.GetInt(6, 0), kv.GetInt(7, 0));
}
