#include "report/ReportComponent.h"

#include "controls/MessageService.h"

#include <QPrinter>

namespace quillon::report {

ReportComponent::ReportComponent(QString programFolder, QString reportDatabasePath,
                                 MessageService &messages, QWidget *previewParent)
    : m_programFolder(std::move(programFolder)), m_reportDatabasePath(std::move(reportDatabasePath)),
      m_messages(messages), m_previewParent(previewParent),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

ReportComponent::~ReportComponent() = default;

void ReportComponent::setReportFileName(const QString &fullPath) { m_reportFileName = fullPath; }
void ReportComponent::setWindowTitle(const QString &title) { m_windowTitle = title; }
void ReportComponent::setDestination(Destination destination) { m_destination = destination; }

bool ReportComponent::run(QWidget *parent) {
    m_messages.inform(parent, QStringLiteral("Printing is not available yet."), {},
                      MessageService::Icon::Critical);
    return false;
}

bool ReportComponent::print(const PrintJob &, QWidget *parent) { return run(parent); }

QPrinter &ReportComponent::printer() { return *m_printer; }

} // namespace quillon::report
