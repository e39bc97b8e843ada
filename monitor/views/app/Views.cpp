#include "app/Views.h"

namespace vantor::views {

Views& TheViews()
{
    static Views views;
    return views;
}

}  // namespace vantor::views
