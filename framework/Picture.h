#pragma once
#include <memory>

class QImage;

// A decoded picture; shared by whoever shows it.
class Picture {
public:
    explicit Picture(const QImage& image);
    ~Picture();
    const QImage& Image() const; // for the framework's own drawing

private:
    std::unique_ptr<QImage> image_;
};
