#include "masterdata/Captions.h"

namespace {
const int kCaptionKeys[] = {10, 11, 12, 13, 14, 16, 17, 20, 21, 22, 23,
                            24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34};
}

QString* TCaptions::ForKey(int keyId) {
    switch (keyId) {
        case 10:
            return &WareName;
        case 11:
            return &WarePartNo;
        case 12:
            return &WareBrand;
        case 13:
            return &WarePackage;
        case 14:
            return &BatchNo;
        case 16:
            return &WareBarcode;
        case 17:
            return &WareLocation;
        case 20:
            return &ClientWord;
        case 21:
            return &ClientLookId;
        case 22:
            return &ClientName;
        case 23:
            return &ClientLinkman;
        case 24:
            return &ClientTel;
        case 25:
            return &ClientFax;
        case 26:
            return &ClientAddr;
        case 27:
            return &ClientZip;
        case 28:
            return &ClientUrl;
        case 29:
            return &ClientEmail;
        case 30:
            return &ClientLawman;
        case 31:
            return &ClientTaxId;
        case 32:
            return &ClientBank;
        case 33:
            return &ClientBankId;
        case 34:
            return &ClientNote;
        default:
            return nullptr;
    }
}

const int* TCaptions::Keys(int* count) {
    *count = int(sizeof kCaptionKeys / sizeof kCaptionKeys[0]);
    return kCaptionKeys;
}

TCaptions& AppCaptions() {
    static TCaptions captions;
    return captions;
}
