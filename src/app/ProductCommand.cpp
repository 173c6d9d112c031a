// Template > "New from product...": a new template made in one step from a
// label sheet of the label catalogue, its paper and its whole grid.

#include "app/FormMAIN.h"
#include "dialogs/ProductChooser.h"
#include "model/LabelCatalogue.h"

void TFormMAIN::NewTemplateFromProductClick()
{
    if (!windows_.product || !controller_->FNSAVETEMPLATEFIRST())
        return;
    LabelProduct product;
    if (!windows_.product->execute(product))
        return;
    // A new template, altered as one made with "New...", then the sheet's grid.
    controller_->newTemplate(product.paperWidth, product.paperHeight, &product);
    preview_->REFRESHPAGE();
}
