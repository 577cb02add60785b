#pragma once

#include <QElapsedTimer>
#include <QString>

#include "data/DataSet.h"

// An in-memory table with no database behind it: the base of the calculators, the document
// line sets and the condition records. A calculation reports progress through OnProgress
// (also reachable as CalcProgressEvent) and measures itself in LostTime.
class TQzClientDataSet : public TDataSet {
    Q_OBJECT
public:
    explicit TQzClientDataSet(QObject* parent = nullptr);

    TDataSet* DataSet() { return this; }

    TField* AddField(TFieldKind kind, const QString& name, bool visible = true,
                     const QString& caption = QString());
    // A field with a size: a size above 20 becomes the field's size, at most 140; a size of
    // 20 or less leaves the default.
    TField* AddFieldDef(TFieldKind kind, const QString& name, int size, bool visible = true,
                        const QString& caption = QString());
    // Creates and opens the empty table from the fields (again, when a calculation starts
    // over: the rows go, the fields stay).
    void CreateTable();

    // Called with the total row count and the current row number while a calculation walks
    // its source rows. The two names are one handler.
    TCalcProgressEvent OnProgress;
    TCalcProgressEvent& CalcProgressEvent = OnProgress;
    TProgressEvent OnProgress2;

    void ReportProgress(int total, int current) const;
    void ReportProgress2(int percent) const;

    // Seconds the last calculation took (shown as "用时 %f 秒").
    double LostTime() const { return lostTime_; }
    void StartTiming();
    void StopTiming();  // sets LostTime

    // Times a calculation from construction to the end of its scope, also when it throws.
    class TTiming {
    public:
        explicit TTiming(TQzClientDataSet& set) : set_(set) { set_.StartTiming(); }
        ~TTiming() { set_.StopTiming(); }
        TTiming(const TTiming&) = delete;
        TTiming& operator=(const TTiming&) = delete;

    private:
        TQzClientDataSet& set_;
    };

private:
    QElapsedTimer timer_;
    double lostTime_ = 0;
};

// A condition record: one row whose fields hold the conditions typed by the user. Editors
// are bound to the row after Reset and write their pending text on ApplyEdits (the signal
// ApplyEditsRequested of TDataSet).
class TCustomWhere : public TQzClientDataSet {
    Q_OBJECT
public:
    explicit TCustomWhere(QObject* parent = nullptr);
    // Cancels a pending edit, empties the table (creating it when needed) and appends one
    // blank row, the row that bound editors edit. Descendants put their defaults after it.
    virtual void Reset();
};
