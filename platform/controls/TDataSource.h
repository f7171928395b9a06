#pragma once

#include "platform/db/TTable.h"

#include <QObject>
#include <QVector>

class TDataSource;

// The link a data-aware control owns: the data source hands it every event of
// the table. A control overrides what it needs.
class TDataLink {
public:
    virtual ~TDataLink();
    TDataSource *DataSource() const { return m_source; }
    void SetDataSource(TDataSource *source);
    TTable *DataSet() const;

    virtual void activeChanged() {}
    virtual void recordChanged(const QString & /*field*/) {}   // empty field = whole record
    virtual void editingChanged() {}
    virtual void updateData() {}       // store pending control text into the record

private:
    friend class TDataSource;
    TDataSource *m_source = nullptr;
};

// Joins one table to its controls.
class TDataSource : public QObject {
    Q_OBJECT

public:
    explicit TDataSource(QObject *parent = nullptr);
    ~TDataSource() override;

    TTable *DataSet() const { return m_table; }
    void SetDataSet(TTable *table);
    // With AutoEdit, the first change typed into a control puts the record
    // into edit, or starts a new record when the view is empty.
    bool AutoEdit = true;
    // Asks for edit on behalf of a control; false when the record cannot be
    // edited (no table, read-only).
    bool Edit();

private:
    friend class TDataLink;
    void handle(TDataEvent event, const QString &field);

    TTable *m_table = nullptr;
    QVector<TDataLink *> m_links;
};
