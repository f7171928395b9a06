#include "platform/controls/TDataSource.h"

TDataLink::~TDataLink() { SetDataSource(nullptr); }

void TDataLink::SetDataSource(TDataSource *source)
{
    if (m_source == source)
        return;
    if (m_source)
        m_source->m_links.removeOne(this);
    m_source = source;
    if (m_source)
        m_source->m_links.append(this);
    activeChanged();
}

TTable *TDataLink::DataSet() const { return m_source ? m_source->DataSet() : nullptr; }

TDataSource::TDataSource(QObject *parent) : QObject(parent) {}

TDataSource::~TDataSource()
{
    // Links outlive their source only during teardown: let them forget it.
    for (TDataLink *link : std::as_const(m_links))
        link->m_source = nullptr;
}

void TDataSource::SetDataSet(TTable *table)
{
    if (m_table)
        disconnect(m_table, nullptr, this, nullptr);
    m_table = table;
    if (m_table)
        connect(m_table, &TTable::dataEvent, this, &TDataSource::handle);
    handle(TDataEvent::ActiveChanged, QString());
}

bool TDataSource::Edit()
{
    if (!m_table || !m_table->Active() || m_table->ReadOnly)
        return false;
    if (m_table->State() == TDataSetState::Edit || m_table->State() == TDataSetState::Insert)
        return true;
    if (!AutoEdit)
        return false;
    m_table->Edit();
    return true;
}

void TDataSource::handle(TDataEvent event, const QString &field)
{
    // A copy: a link may unhook itself while it handles the event.
    const auto links = m_links;
    for (TDataLink *link : links) {
        switch (event) {
        case TDataEvent::ActiveChanged: link->activeChanged(); break;
        case TDataEvent::RecordChanged: link->recordChanged(QString()); break;
        case TDataEvent::FieldChanged: link->recordChanged(field); break;
        case TDataEvent::StateChanged: link->editingChanged(); break;
        case TDataEvent::UpdateRecord: link->updateData(); break;
        }
    }
}
