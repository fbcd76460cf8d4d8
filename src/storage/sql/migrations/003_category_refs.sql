-- Categories are not shared: a family member may receive rows whose category
-- this register never gets. The server's reference is kept here so an edit
-- sends it back instead of clearing the owner's category.

CREATE TABLE IF NOT EXISTS sync_category_refs (
    entity_type TEXT NOT NULL,
    row_id TEXT NOT NULL,
    category_id TEXT NOT NULL,
    PRIMARY KEY (entity_type, row_id)
);
