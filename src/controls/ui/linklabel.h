#pragma once

#include <QLabel>
#include <QString>
#include <QUrl>

#include <functional>

// A label that opens a web address when clicked: blue, bold and underlined, italic while the
// mouse is over it, with the pointing-hand cursor. Tab reaches it, Space follows it.
class LinkLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString url READ url WRITE setUrl)

public:
    // Asks the desktop to open the address; false when nothing could.
    using UrlOpener = std::function<bool(const QUrl&)>;

    explicit LinkLabel(QWidget* parent = nullptr);

    QString url() const { return url_; }
    void setUrl(const QString& url) { url_ = url; }
    // Tests replace the desktop's browser with their own opener.
    void setUrlOpener(UrlOpener opener) { opener_ = std::move(opener); }

Q_SIGNALS:
    // Raised instead of opening anything when the label has no address.
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setItalic(bool on);
    void follow();

    QString url_;
    UrlOpener opener_;
    bool pressed_ = false;
};
