#pragma once

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

// The logical column kinds of the schema; every field of a set has one.
enum class TFieldKind { Integer, Float, DateTime, Boolean, Text, Memo, Binary };

class TDataSet;
class TColumnStore;
class TFilterProgram;

// A declared field of a set: name, kind, caption, visibility, size and display width, and
// typed access to its value in the current row. A database Null reads as 0 or empty text.
class TField {
public:
    TField(TDataSet* owner, int index, const QString& name, TFieldKind kind);

    TDataSet* DataSet() const { return owner_; }
    int Index() const { return index_; }
    const QString& FieldName() const { return name_; }
    TFieldKind Kind() const { return kind_; }
    // A calculated field is not read from query results; the set's calculation handler fills
    // it (see TDataSet::SetOnCalcFields).
    bool Calculated() const { return calculated_; }

    QString DisplayLabel;  // caption shown by grids ("组|列" for a two-level caption)
    bool Visible = true;
    int Size = 0;           // text size; 0 = default
    int DisplayWidth = 0;   // in characters; 0 = default
    QString DisplayFormat;  // number format for display ("0.00" for amounts); empty = plain

    // Value in the current row (an empty set reads as Null).
    bool IsNull() const;
    QVariant Value() const;
    qint64 AsInteger() const;
    double AsFloat() const;
    QString AsString() const;
    bool AsBoolean() const;
    QDateTime AsDateTime() const;
    QDate AsDate() const;
    QByteArray AsBytes() const;

    // Writes into the current row (in-memory only; nothing reaches the database).
    void SetValue(const QVariant& value);
    void SetNull() { SetValue(QVariant()); }

    // Value at a row position of the current view (0-based, after sort and filter), for
    // loops that must not move the current row.
    QVariant ValueAt(int viewRow) const;
    double FloatAt(int viewRow) const;
    qint64 IntegerAt(int viewRow) const;
    QString StringAt(int viewRow) const;

private:
    friend class TDataSet;
    TDataSet* owner_;
    int index_;
    QString name_;
    TFieldKind kind_;
    bool calculated_ = false;
};

using TCalcProgressEvent = std::function<void(int total, int current)>;
using TProgressEvent = std::function<void(int percent)>;

// An in-memory table with declared fields, a current row, a client-side sort and filter.
// Rows are kept column by column in typed arrays (texts interned per column), so a million
// ledger rows take tens of bytes each, not a map per row.
class TDataSet : public QObject {
    Q_OBJECT
public:
    explicit TDataSet(QObject* parent = nullptr);
    ~TDataSet() override;

    // Fields. Names are matched without regard to case.
    // A second field of the same name (without regard to case) throws std::invalid_argument.
    TField* CreateField(TFieldKind kind, const QString& name, bool visible = true,
                        const QString& caption = QString());
    // A field filled by the calculation handler, not by query results (amount in words, a
    // name looked up from another set).
    TField* CreateCalcField(TFieldKind kind, const QString& name, bool visible = true,
                            const QString& caption = QString());
    // Called for each row after rows are loaded (EndLoad) and for a row when it is posted; it
    // reads the row's fields and writes the calculated ones, which does not start an edit.
    void SetOnCalcFields(std::function<void(TDataSet&)> handler);
    int FieldCount() const { return int(fields_.size()); }
    TField* Field(int index) const { return fields_[size_t(index)].get(); }
    TField* FindField(const QString& name) const;
    // Like FindField; throws std::runtime_error naming the field when there is none.
    TField* FieldByName(const QString& name) const;
    // Removes every field (and every row); used before loading a result with no
    // declared fields.
    void ClearFields();

    // Open state. Open() makes an empty table of the fields; Close() drops the rows and keeps
    // the fields.
    bool Active() const { return active_; }
    void Open();
    void Close();

    // Rows of the current view (after the filter) and the current row.
    int RecordCount() const;
    int RecNo() const { return current_; }  // 0-based view position, -1 when empty
    bool IsEmpty() const { return RecordCount() == 0; }
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    void First();
    void Last();
    void Next();
    void Prior();
    void MoveTo(int viewRow);
    // Moves to the first row whose field equals the value; false (position kept) when none.
    bool Locate(const QString& fieldName, const QVariant& value);

    // Editing in memory. Append adds a blank row at the end and makes it current; Post and
    // Cancel end the edit (Cancel of an appended row removes it). Delete removes the current
    // row. Writing a field of a row outside an Append/Edit starts an Edit implicitly.
    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    void EmptyTable();  // removes every row, keeps the fields and the open state
    bool Editing() const { return editing_; }
    bool Inserting() const { return inserting_; }
    // When the current row is being edited or inserted, asks bound editors to write their
    // pending text into it (ApplyEditsRequested); the row is not posted.
    void ApplyEdits();

    // Client-side sort: field names separated by ";" or ",", each optionally followed by
    // " desc" or " asc" (as in "Code desc;Name" or "Code ASC,Name DESC "). Empty text restores
    // the load order. The sort is stable; Nulls come first in ascending order; texts sort by
    // Chinese collation. An unknown field throws std::invalid_argument.
    void SetSort(const QString& sortText);
    QString Sort() const { return sortText_; }

    // Client-side filter in the condition language built by the condition records:
    // comparisons (= <> < > <= >=), like with % and _ (and * as %), is [not] null,
    // and/or/not, parentheses; texts in single quotes with '' for a quote. A bad filter throws
    // std::invalid_argument with the reason.
    void SetFilter(const QString& filterText);
    QString Filter() const { return filterText_; }
    void SetFiltered(bool on);
    bool Filtered() const { return filtered_; }

    // Bound controls (grids) are told about changes unless disabled; calls nest.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disabled_ > 0; }

    // Sum of a field over every row of the view; the current row stays where it was.
    double SumField(const TField* field) const;

    // Raw access for the grid adapter and fast loops: value of field at a view row.
    QVariant ValueAt(int viewRow, int fieldIndex) const;
    bool IsNullAt(int viewRow, int fieldIndex) const;

    // Bulk loading: appends one row from values in field order (missing values are Null),
    // without notifying controls; call EndLoad() after the last row.
    void AppendRow(const QVariant* values, int count);
    void EndLoad();

    // Bytes held by the rows (for the memory benchmarks).
    qint64 RowBytes() const;

signals:
    void DataChanged();  // rows were added, removed, resorted or refiltered
    void RowChanged(int viewRow);
    void CurrentChanged(int viewRow);
    void ApplyEditsRequested();

protected:
    // Called after a field of the current row was written by SetValue.
    virtual void FieldChanged(TField*) {}
    // Changes the kind of a field, converting the values it holds (for result columns whose
    // type the driver could only guess from the first row).
    void ConvertField(TField* field, TFieldKind kind);

private:
    friend class TField;
    struct SortKey {
        int column;
        bool descending;
    };
    int RawRow(int viewRow) const;
    int CurrentRaw() const;
    void RebuildView();
    void SortView();
    std::vector<SortKey> ParseSort(const QString& sortText) const;
    bool RowPasses(int raw) const;
    void PlaceEditedRow();
    void CheckBrowse();
    void SetCurrent(int viewRow);
    void Changed();
    void RowUpdated();
    void RunCalc(int raw);
    void RemoveRaw(int viewRow);
    TField* AddFieldObject(TFieldKind kind, const QString& name, bool visible,
                           const QString& caption, bool calculated);
    void WriteField(TField* field, const QVariant& value);
    void StoreValue(int col, int raw, const QVariant& value);

    std::vector<std::unique_ptr<TField>> fields_;
    std::unique_ptr<TColumnStore> store_;
    std::vector<int> view_;  // raw row indexes in view order
    bool active_ = false;
    int current_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    bool editing_ = false;
    bool inserting_ = false;
    QString sortText_;
    QString filterText_;
    bool filtered_ = false;
    int disabled_ = 0;
    bool changedWhileDisabled_ = false;
    std::shared_ptr<TFilterProgram> filterProgram_;
    std::vector<SortKey> sortKeys_;
    std::vector<QVariant> editBackup_;  // the row's values when the edit began
    int appendedFrom_ = -1;             // current row before Append, for Cancel
    int loadRaw_ = -1;                  // row being calculated
    int loadFrom_ = -1;                 // first row appended by AppendRow since EndLoad
    std::function<void(TDataSet&)> onCalc_;
};
