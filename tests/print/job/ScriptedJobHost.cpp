#include "ScriptedJobHost.h"

#include "common/RuntimeError.h"

#include <gtest/gtest.h>

ScriptedSurface::ScriptedSurface(std::shared_ptr<RecordingSurface> recorder, std::optional<int> failAtDrawing)
    : m_recorder(std::move(recorder))
    , m_failAtDrawing(failAtDrawing)
{ }

void ScriptedSurface::drawing()
{
    if (m_failAtDrawing && ++m_drawings >= *m_failAtDrawing)
        throw RuntimeError(482, QStringLiteral("Printer error"));
}

qint32 ScriptedSurface::width()
{
    return m_recorder->width();
}

void ScriptedSurface::setJobStart(qint16 setting)
{
    m_recorder->setJobStart(setting);
}

void ScriptedSurface::setCurrentX(float x)
{
    m_recorder->setCurrentX(x);
}

void ScriptedSurface::setCurrentY(float y)
{
    m_recorder->setCurrentY(y);
}

float ScriptedSurface::currentX() const
{
    return m_recorder->currentX();
}

float ScriptedSurface::currentY() const
{
    return m_recorder->currentY();
}

void ScriptedSurface::setForeColor(Rgb colour)
{
    m_recorder->setForeColor(colour);
}

void ScriptedSurface::setDrawWidth(qint16 dots)
{
    m_recorder->setDrawWidth(dots);
}

void ScriptedSurface::setFontName(const QString& name)
{
    m_recorder->setFontName(name);
}

void ScriptedSurface::setFontSize(float points)
{
    m_recorder->setFontSize(points);
}

float ScriptedSurface::textWidth(const QString& text)
{
    return m_recorder->textWidth(text);
}

float ScriptedSurface::textHeight(const QString& text)
{
    return m_recorder->textHeight(text);
}

void ScriptedSurface::print(const QString& text)
{
    drawing();
    m_recorder->print(text);
}

void ScriptedSurface::print(qint16 number)
{
    drawing();
    m_recorder->print(number);
}

void ScriptedSurface::line(LineFlags flags, float x1, float y1, float dx, float dy, Rgb colour)
{
    drawing();
    m_recorder->line(flags, x1, y1, dx, dy, colour);
}

void ScriptedSurface::endDoc()
{
    m_recorder->endDoc();
}

void ScriptedSurface::killDoc()
{
    m_recorder->killDoc();
}

ScriptedJobHost::ScriptedJobHost(const SettingsModel& model, qint32 pageWidth)
    : m_model(model)
    , m_pageWidth(pageWidth)
    , m_metrics(std::make_shared<FixedTextMetrics>())
{ }

void ScriptedJobHost::selectPrinter()
{
    ++m_dialogs;
    if (m_selectionError)
        throw RuntimeError(482, *m_selectionError);
}

std::unique_ptr<PrintSurface> ScriptedJobHost::openSurface()
{
    if (m_printer)
        return m_printer->openSurface();
    m_recorder = std::make_shared<RecordingSurface>(m_pageWidth, m_metrics);
    return std::make_unique<ScriptedSurface>(m_recorder, m_failAtDrawing);
}

void ScriptedJobHost::processPendingEvents()
{
    ++m_eventRounds;
    m_statusAtEvents = m_model.status().text();
    m_colourAtEvents = m_model.status().color();
}

const Page& ScriptedJobHost::deliveredPage() const
{
    static const Page none;
    if (!m_recorder || m_recorder->endedPages().size() != 1) {
        ADD_FAILURE() << "expected exactly one delivered page";
        return none;
    }
    return m_recorder->endedPages().front();
}
