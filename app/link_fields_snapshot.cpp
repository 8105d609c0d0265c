#include "link_fields_snapshot.h"

#include "underline_line.h"

#include <QLineEdit>

namespace tarvanel {

namespace {

class TextStore {
public:
    explicit TextStore(std::array<std::string, 13>& texts)
        : m_texts(texts) {}

    std::string_view keep(const QLineEdit* field) {
        std::string& slot = m_texts.at(m_next++);
        slot = field->text().toStdString();
        return slot;
    }

private:
    std::array<std::string, 13>& m_texts;
    std::size_t m_next = 0;
};

LinkEndFields readEnd(const LinkEndSources& end, TextStore& store) {
    LinkEndFields fields;
    fields.power = store.keep(end.power);
    fields.unit = powerUnitFromUnderline(end.underline->x1());
    fields.gain = store.keep(end.gain);
    fields.lossPerMetre = store.keep(end.lossPerMetre);
    fields.length = store.keep(end.length);
    fields.connectors = store.keep(end.connectors);
    return fields;
}

} // namespace

LinkFieldsSnapshot::LinkFieldsSnapshot(const LinkSources& sources) {
    TextStore store(m_texts);
    m_fields.end1 = readEnd(sources.end1, store);
    m_fields.end2 = readEnd(sources.end2, store);
    m_fields.frequency = store.keep(sources.frequency);
    m_fields.sensitivity = store.keep(sources.sensitivity);
    m_fields.margin = store.keep(sources.margin);
}

} // namespace tarvanel
