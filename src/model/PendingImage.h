#pragma once

#include <QFuture>
#include <QImage>
#include <QMetaType>

// A picture that may still be decoding on a pool thread. Opening a page starts decoding its pictures and
// reads the rest of the page meanwhile; whoever first needs the pixels waits for them, and a decoding that
// has not started yet runs right then on the asking thread.
class PendingImage {
public:
    PendingImage() = default;
    explicit PendingImage(QFuture<QImage> decoding)
        : m_decoding(std::move(decoding))
    {
    }

    // False for a default-made one, which stands for no pending picture at all.
    bool isPending() const { return m_decoding.isValid(); }
    // The decoded picture; null when it could not be decoded. Waits for the decoding.
    QImage image() const { return isPending() ? m_decoding.result() : QImage(); }

private:
    QFuture<QImage> m_decoding;
};

Q_DECLARE_METATYPE(PendingImage)

// A picture held either decoded or still decoding; the first read of a pending one keeps its pixels.
// Reads are for one thread at a time, like the rest of the object that holds it.
class DeferredImage {
public:
    const QImage& image() const
    {
        if (m_pending.isPending()) {
            m_image = m_pending.image();
            m_pending = {};
        }
        return m_image;
    }
    void setImage(const QImage& image)
    {
        m_image = image;
        m_pending = {};
    }
    void setPending(const PendingImage& pending)
    {
        m_image = QImage();
        m_pending = pending;
    }
    const PendingImage& pending() const { return m_pending; }
    bool isPending() const { return m_pending.isPending(); }

private:
    mutable QImage m_image;
    mutable PendingImage m_pending;
};
