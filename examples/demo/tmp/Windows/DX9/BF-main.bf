BF main archive
