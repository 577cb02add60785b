#include "shell/ui/OptionEdtFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "data/NumberFormats.h"
#include "masterdata/Captions.h"
#include "shell/KeyValue.h"
#include "shell/Operator.h"

namespace {

// Settings keys of this window.
constexpr int NegativeKey = 15;
constexpr int QtyDecimalsKey = 6;
constexpr int PriceDecimalsKey = 7;
constexpr int PutinPriceKey = 8;
constexpr int TakeoutPriceKey = 9;
constexpr int MovePriceKey = 18;
constexpr int RegulatePriceKey = 19;
constexpr int DuplicateWaresKey = 40;

// The ware captions with their fixed labels, in the order the page shows them.
const int WareCaptionKeys[] = {10, 11, 12, 13, 16, 17};
const char* const WareCaptionLabels[] = {"品名", "规格", "品牌", "封装", "条码", "货位"};

QComboBox* PriceSource(const QString& name, const QString& kind, bool typedWord, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems({typedWord ? QStringLiteral("手动填入") : QStringLiteral("手动输入"),
                   QStringLiteral("引用货品资料上的出库参考价"), QStringLiteral("引用库存单价"),
                   QStringLiteral("引用货品资料上的入库参考价"),
                   QStringLiteral("通过%1金额及数量计算").arg(kind)});
    return box;
}

// A stored index that the list does not have selects the first entry rather than none, so
// OK never stores -1.
void SelectIndex(QComboBox* box, int index) {
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : 0);
}

}  // namespace

TOptionEdtFrm::TOptionEdtFrm(QWidget* parent) : TADlgFrm(parent) {
    setObjectName(QStringLiteral("OptionEdtFrm"));
    setWindowTitle(QStringLiteral("系统设置"));
    auto* column = new QVBoxLayout(ClientArea());
    column->setContentsMargins(8, 8, 8, 4);
    pageControl1 = new QTabWidget(ClientArea());
    pageControl1->setObjectName(QStringLiteral("pageControl1"));
    column->addWidget(pageControl1, 1);
    auto* note = new QLabel(QStringLiteral("部份设置需在下次启动后生效！"), ClientArea());
    note->setObjectName(QStringLiteral("lblNote1"));
    column->addWidget(note);

    // 常见
    auto* common = new QWidget(pageControl1);
    auto* commonLayout = new QVBoxLayout(common);
    auto* negativeRow = new QFormLayout;
    cbNegative1 = new QComboBox(common);
    cbNegative1->setObjectName(QStringLiteral("cbNegative1"));
    cbNegative1->addItems({QStringLiteral("不关心"), QStringLiteral("当出现负库存后提醒"),
                           QStringLiteral("不允许负库存")});
    negativeRow->addRow(QStringLiteral("负库存控制"), cbNegative1);
    commonLayout->addLayout(negativeRow);
    auto* decimals = new QGroupBox(QStringLiteral("小数位"), common);
    auto* decimalsLayout = new QFormLayout(decimals);
    spnQty1 = new QSpinBox(decimals);
    spnQty1->setObjectName(QStringLiteral("spnQty1"));
    spnQty1->setRange(0, 100);
    spnPrice1 = new QSpinBox(decimals);
    spnPrice1->setObjectName(QStringLiteral("spnPrice1"));
    spnPrice1->setRange(0, 100);
    decimalsLayout->addRow(QStringLiteral("数量"), spnQty1);
    decimalsLayout->addRow(QStringLiteral("单价"), spnPrice1);
    commonLayout->addWidget(decimals);
    auto* prices = new QGroupBox(QStringLiteral("在编制单据时对单价的选项"), common);
    auto* pricesLayout = new QFormLayout(prices);
    cbPutinPrice1 =
        PriceSource(QStringLiteral("cbPutinPrice1"), QStringLiteral("入库"), false, prices);
    cbTakeoutPrice1 =
        PriceSource(QStringLiteral("cbTakeoutPrice1"), QStringLiteral("出库"), false, prices);
    cbMovePrice1 =
        PriceSource(QStringLiteral("cbMovePrice1"), QStringLiteral("调拨"), true, prices);
    cbRegulatePrice1 =
        PriceSource(QStringLiteral("cbRegulatePrice1"), QStringLiteral("盘点"), true, prices);
    pricesLayout->addRow(QStringLiteral("入库单价"), cbPutinPrice1);
    pricesLayout->addRow(QStringLiteral("出库单价"), cbTakeoutPrice1);
    pricesLayout->addRow(QStringLiteral("调拨单价"), cbMovePrice1);
    pricesLayout->addRow(QStringLiteral("盘点单价"), cbRegulatePrice1);
    commonLayout->addWidget(prices);
    chkDuplicate1 = new QCheckBox(QStringLiteral("允许同一张单据上有重复的货物"), common);
    chkDuplicate1->setObjectName(QStringLiteral("chkDuplicate1"));
    commonLayout->addWidget(chkDuplicate1);
    commonLayout->addStretch(1);
    pageControl1->addTab(common, QStringLiteral("常见"));

    // 货物
    QList<int> wareKeys;
    QStringList wareLabels;
    for (int i = 0; i < 6; ++i) {
        wareKeys << WareCaptionKeys[i];
        wareLabels << QString::fromUtf8(WareCaptionLabels[i]);
    }
    pageControl1->addTab(CaptionPage(wareKeys, wareLabels), QStringLiteral("货物"));

    // 收货方: captioned with the current client word; each box labelled with its caption.
    QList<int> clientKeys;
    QStringList clientLabels;
    for (int key = 20; key <= 34; ++key) {
        clientKeys << key;
        clientLabels << *AppCaptions().ForKey(key);
    }
    pageControl1->addTab(CaptionPage(clientKeys, clientLabels), AppCaptions().ClientWord);

    // 其他
    auto* other = new QWidget(pageControl1);
    auto* otherLayout = new QVBoxLayout(other);
    auto* bills = new QGroupBox(QStringLiteral("出入库单据"), other);
    auto* billsForm = new QFormLayout(bills);
    auto* batch = new QLineEdit(bills);
    batch->setObjectName(QStringLiteral("edtCaption14_1"));
    billsForm->addRow(QStringLiteral("批号"), batch);
    captionBoxes_.append({14, batch});
    otherLayout->addWidget(bills);
    otherLayout->addStretch(1);
    pageControl1->addTab(other, QStringLiteral("其他"));

    LoadOptions();
}

QWidget* TOptionEdtFrm::CaptionPage(const QList<int>& keys, const QStringList& labels) {
    auto* page = new QWidget(pageControl1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("您可以重新指定以下标签的名称："), page));
    auto* form = new QFormLayout;
    for (int i = 0; i < keys.size(); ++i) {
        auto* box = new QLineEdit(page);
        box->setObjectName(QStringLiteral("edtCaption%1_1").arg(keys[i]));
        form->addRow(labels[i], box);
        captionBoxes_.append({keys[i], box});
    }
    layout->addLayout(form);
    layout->addStretch(1);
    return page;
}

QLineEdit* TOptionEdtFrm::CaptionBox(int keyId) const {
    for (const CaptionBoxOf& c : captionBoxes_)
        if (c.KeyId == keyId)
            return c.Box;
    return nullptr;
}

void TOptionEdtFrm::LoadOptions() {
    const TKeyValue& kv = AppKeyValue();
    SelectIndex(cbNegative1, kv.GetInt(NegativeKey, 0));
    spnQty1->setValue(kv.GetInt(QtyDecimalsKey, 0));
    spnPrice1->setValue(kv.GetInt(PriceDecimalsKey, 0));
    SelectIndex(cbPutinPrice1, kv.GetInt(PutinPriceKey, 0));
    SelectIndex(cbTakeoutPrice1, kv.GetInt(TakeoutPriceKey, 0));
    SelectIndex(cbMovePrice1, kv.GetInt(MovePriceKey, 0));
    SelectIndex(cbRegulatePrice1, kv.GetInt(RegulatePriceKey, 0));
    chkDuplicate1->setChecked(kv.GetBool(DuplicateWaresKey, true));
    for (const CaptionBoxOf& c : captionBoxes_)
        c.Box->setText(*AppCaptions().ForKey(c.KeyId));
    pageControl1->setCurrentIndex(0);
}

void TOptionEdtFrm::SaveOptions() {
    const TKeyValue& kv = AppKeyValue();
    kv.SetValue(NegativeKey, cbNegative1->currentIndex());
    kv.SetValue(QtyDecimalsKey, spnQty1->value());
    kv.SetValue(PriceDecimalsKey, spnPrice1->value());
    kv.SetValue(PutinPriceKey, cbPutinPrice1->currentIndex());
    kv.SetValue(TakeoutPriceKey, cbTakeoutPrice1->currentIndex());
    kv.SetValue(MovePriceKey, cbMovePrice1->currentIndex());
    kv.SetValue(RegulatePriceKey, cbRegulatePrice1->currentIndex());
    kv.SetValue(DuplicateWaresKey, chkDuplicate1->isChecked());
    for (const CaptionBoxOf& c : captionBoxes_)
        kv.SetValue(c.KeyId, c.Box->text());
    SetNumberFormats(spnQty1->value(), spnPrice1->value());
}

bool TOptionEdtFrm::CloseQuery() {
    if (result() == QDialog::Accepted)
        SaveOptions();
    return true;
}

void ShowOptions(QWidget* parent) {
    AppOperator().CheckRight(8, true);
    TOptionEdtFrm frm(parent);
    frm.exec();
}
