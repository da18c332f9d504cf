#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace kvidrel {

// A picture control: shows one picture scaled to fit with its proportions kept.
class BilledFelt : public QWidget
{
    Q_OBJECT
public:
    explicit BilledFelt(QWidget *parent = nullptr);

    // Throws FileError with the reader's reason when the file is no picture the
    // program can load; the shown picture is then kept.
    void LoadFromFile(const QString &path);
    // The picture in path, or none when there is no path or the file cannot be
    // shown: a missing picture is no error on the board.
    void visFil(const QString &path);
    void Clear();
    bool isEmpty() const { return m_image.isNull(); }
    const QImage &image() const { return m_image; }

    // Whether path holds a picture the program can load.
    static bool kanIndlaese(const QString &path);
    // The picture-file dialog's filter: every format the program can load.
    static QString dialogFilter();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    // m_image scaled smoothly to the device pixels it was last shown on; a
    // large photo is not scaled again at every paint.
    QImage m_vist;
};

} // namespace kvidrel
