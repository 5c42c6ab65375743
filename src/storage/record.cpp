#include "storage/record.h"

namespace vorlane {

bool ItemRecord::sameStoredContent(const ItemRecord& o) const {
    return Id == o.Id && ReadOnly == o.ReadOnly && Name == o.Name && Details == o.Details &&
           Descriptions == o.Descriptions && Images == o.Images && Reserved == o.Reserved &&
           Favorite == o.Favorite && Tested == o.Tested && Untested == o.Untested &&
           NoteLists == o.NoteLists && Links == o.Links && EmailAddresses == o.EmailAddresses &&
           Ingredients == o.Ingredients;
}

}  // namespace vorlane
