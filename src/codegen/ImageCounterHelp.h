#pragma once

#include <QString>
#include <QVariant>

#include <memory>

class SKTImage;

// One page image with the number of its file name ("image12" is 12); images are ordered by that number.
class ImageCounterHelp {
public:
    int imageNameIndex() const { return m_imageNameIndex; }
    void setImageNameIndex(int index) { m_imageNameIndex = index; }
    QString imageName() const { return m_imageName; }
    void setImageName(const QString& name) { m_imageName = name; }
    std::shared_ptr<SKTImage> sktImage() const { return m_sktImage; }
    void setSktImage(std::shared_ptr<SKTImage> image) { m_sktImage = std::move(image); }

    QVariant valueForKey(const QString& key) const
    {
        return key == QLatin1String("imageNameIndex") ? QVariant(m_imageNameIndex) : QVariant();
    }

private:
    int m_imageNameIndex = 0;
    QString m_imageName;
    std::shared_ptr<SKTImage> m_sktImage;
};
