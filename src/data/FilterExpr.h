#pragma once

#include <QString>
#include <memory>
#include <vector>

class TDataSet;
class TColumnStore;

// A client-side filter compiled against the fields of a data set. The language:
//   field names (without regard to case, optionally in [brackets]), numbers, 'text' with ''
//   for a quote inside it, #yyyy-mm-dd# dates, true, false, null;
//   comparisons = <> != < > <= >=, [not] like with % and * for any text and _ for one
//   character (without regard to case), is [not] null, field = null / field <> null as the
//   null tests; and, or, not with the usual precedence; parentheses.
// Texts compare without regard to case; a date-time field compares with 'yyyy-mm-dd' texts, a
// boolean field with true/false/1/0. Null never equals anything: a comparison with a Null
// cell is unknown, and only rows where the whole filter is true pass.
class TFilterProgram {
public:
    // Throws std::invalid_argument with the reason when the text is malformed or names an
    // unknown field.
    static std::shared_ptr<TFilterProgram> Compile(const QString& text, const TDataSet& dataSet);
    ~TFilterProgram();

    bool Matches(const TColumnStore& store, int raw) const;

    // Terms "integer field = whole number" joined by and at the top of the filter: every
    // passing row satisfies each, so a caller can take the candidate rows from an index.
    struct EqualTerm {
        int column;
        qint64 value;
    };
    const std::vector<EqualTerm>& EqualTerms() const { return equalTerms_; }

    struct Node;

private:
    TFilterProgram() = default;
    std::unique_ptr<Node> root_;
    std::vector<EqualTerm> equalTerms_;
};
