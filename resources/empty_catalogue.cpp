// placeholder until the resource catalogue lands
