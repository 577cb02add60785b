#pragma once

// The settings LoadAppSettings copies into memory at start-up (the rest are read where used).
struct TAppSettings {
    // Negative stock control (KeyId 15): 0 not checked, 1 warn after a save that leaves stock
    // negative, 2 refuse such a save.
    int NegativeStockControl = 0;
    // The same ware may appear on two lines of one document (KeyId 40).
    bool AllowDuplicateWares = true;
    // Search field last chosen in the supplier, client and ware lists (KeyIds 37, 38, 39).
    int SupplierSearchIndex = 0;
    int ClientSearchIndex = 0;
    int WareSearchIndex = 0;
};

TAppSettings& AppSettings();
