#pragma once

#include "print/page/Page.h"
#include "print/page/PrintSurface.h"
#include "print/page/TextMetrics.h"

#include <functional>
#include <memory>
#include <vector>

/// A print surface that records every operation of the document, in twips, instead of drawing it.
/// Tests read the recorded page; the printer surface replays it when the document is ended, so an
/// abandoned document never reaches the printer.
class RecordingSurface : public PrintSurface {
public:
    enum class DocumentState { NotStarted, Open, Ended, Killed };

    /// Receives the complete page when the document is ended; what it throws goes to the job.
    using Delivery = std::function<void(const Page& page)>;

    /// widthTwips is the full paper width; metrics measure the texts.
    RecordingSurface(qint32 widthTwips, std::shared_ptr<const TextMetrics> metrics, Delivery delivery = {});

    qint32 width() override;
    void setJobStart(qint16 setting) override;
    void setCurrentX(float x) override;
    void setCurrentY(float y) override;
    void setForeColor(Rgb colour) override;
    void setDrawWidth(qint16 dots) override;
    void setFontName(const QString& name) override;
    void setFontSize(float points) override;
    float textWidth(const QString& text) override;
    float textHeight(const QString& text) override;
    void print(const QString& text) override;
    void print(qint16 number) override;
    void line(LineFlags flags, float x1, float y1, float dx, float dy, Rgb colour) override;
    void beginRow(const PageRow& row) override;
    void endDoc() override;
    void killDoc() override;

    /// The page being recorded (or the last one, once ended).
    const Page& page() const { return m_page; }
    DocumentState state() const { return m_state; }
    /// Every page that was ended, oldest first.
    const std::vector<Page>& endedPages() const { return m_endedPages; }
    qint16 drawWidth() const { return m_drawWidth; }
    const QString& fontName() const { return m_fontName; }
    float fontSize() const { return m_fontSize; }

protected:
    /// Called with the complete page when the document is ended; hands it to the delivery.
    virtual void deliver(const Page& page);

private:
    double unit() const; // twips per unit of the current scale
    double toTwips(float value) const;
    void open();

    qint32 m_width;
    std::shared_ptr<const TextMetrics> m_metrics;
    Delivery m_delivery;
    ScaleMode m_scale = ScaleMode::Twips;
    double m_currentX = 0; // twips
    double m_currentY = 0;
    Rgb m_foreColor = kBlack;
    qint16 m_drawWidth = 1;
    QString m_fontName = QStringLiteral("Arial");
    float m_fontSize = 10.0f;
    DocumentState m_state = DocumentState::NotStarted;
    Page m_page;
    std::vector<Page> m_endedPages;
};
