#pragma once

#include <QString>

// The captions of the ware and client columns, of the batch number and the word for the
// receiving party. They are process-wide so every window and set shows the names the user
// chose; LoadAppSettings replaces the built-in texts with the stored ones at start-up.
struct TCaptions {
    QString WareCode = QStringLiteral("货号");
    QString WareName = QStringLiteral("品名");      // KeyId 10
    QString WarePartNo = QStringLiteral("规格");    // 11
    QString WareBrand = QStringLiteral("品牌");     // 12
    QString WarePackage = QStringLiteral("封装");   // 13
    QString BatchNo = QStringLiteral("批号");       // 14
    QString WareBarcode = QStringLiteral("条码");   // 16
    QString WareLocation = QStringLiteral("货位");  // 17
    QString WareMinStock = QStringLiteral("库存下限");
    QString WareMaxStock = QStringLiteral("库存上限");
    QString WareInPrice = QStringLiteral("入库参考价");
    QString WareOutPrice = QStringLiteral("出库参考价");
    QString ClientWord = QStringLiteral("客户");        // 20
    QString ClientLookId = QStringLiteral("助查码");    // 21
    QString ClientName = QStringLiteral("客户名称");    // 22
    QString ClientLinkman = QStringLiteral("联系人");   // 23
    QString ClientTel = QStringLiteral("联系电话");     // 24
    QString ClientFax = QStringLiteral("传真号码");     // 25
    QString ClientAddr = QStringLiteral("联系地址");    // 26
    QString ClientZip = QStringLiteral("邮编");         // 27
    QString ClientUrl = QStringLiteral("网址");         // 28
    QString ClientEmail = QStringLiteral("电子信箱");   // 29
    QString ClientLawman = QStringLiteral("法人代表");  // 30
    QString ClientTaxId = QStringLiteral("税号");       // 31
    QString ClientBank = QStringLiteral("开户银行");    // 32
    QString ClientBankId = QStringLiteral("银行帐号");  // 33
    QString ClientNote = QStringLiteral("备注");        // 34

    // The caption kept under a settings key (10 to 14, 16, 17, 20 to 34); nullptr for any
    // other key.
    QString* ForKey(int keyId);
    // The settings keys that hold captions, in the order above.
    static const int* Keys(int* count);
};

TCaptions& AppCaptions();
