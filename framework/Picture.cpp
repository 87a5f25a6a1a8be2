#include "Picture.h"

#include <QImage>

Picture::Picture(const QImage& image) : image_(std::make_unique<QImage>(image)) { }

Picture::~Picture() = default;

const QImage& Picture::Image() const
{
    return *image_;
}
